// The attribute-list command: applies its attributes, in the order added, to every item of its
// item list. Nothing changes unless every attribute is valid in the items' document and every
// item has a look to change.
#include <vector>

#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "GraphicAttributeRules.h"
#include "IApplyAttributesCmdData.h"
#include "IGraphicAttribute.h"
#include "InterfacePtr.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class ApplyAttributesCmdData : public CPMUnknown<IApplyAttributesCmdData> {
 public:
  explicit ApplyAttributesCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  bool16 AddAttribute(const IPMUnknown* attribute) override {
    InterfacePtr<IGraphicAttribute> value(attribute, IID_IGRAPHICATTRIBUTE);
    if (!value) return kFalse;
    fAttributes.push_back(value->Get());
    return kTrue;
  }
  int32 GetAttributeCount() const override { return static_cast<int32>(fAttributes.size()); }
  const GraphicAttributeValue& GetNthAttribute(int32 index) const override {
    return fAttributes.at(static_cast<size_t>(index));
  }

 private:
  std::vector<GraphicAttributeValue> fAttributes;
};

class ApplyAttributesCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    InterfacePtr<IApplyAttributesCmdData> data(this, IID_IAPPLYATTRIBUTESCMDDATA);
    const UIDList& items = *GetItemList();
    IDataBase* db = items.GetDataBase();
    if (!data || !db || items.IsEmpty()) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    for (int32 i = 0; i < data->GetAttributeCount(); ++i) {
      if (!GraphicAttributeRules::IsValidIn(db, data->GetNthAttribute(i))) {
        return ErrorUtils::PMSetGlobalErrorCode(kFailure);
      }
    }
    std::vector<InterfacePtr<IGraphicAttributes>> looks;
    for (int32 i = 0; i < items.Length(); ++i) {
      looks.emplace_back(items.GetRef(i), IID_IGRAPHICATTRIBUTES);
      if (!looks.back()) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    for (const InterfacePtr<IGraphicAttributes>& look : looks) {
      for (int32 i = 0; i < data->GetAttributeCount(); ++i) look->Apply(data->GetNthAttribute(i));
    }
  }

  PMString* CreateName() override { return new PMString("Apply Attributes"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakeHostFactory<ApplyAttributesCmdData>(kApplyAttributesCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<ApplyAttributesCmd>(kApplyAttributesCmdImpl));
});

}  // namespace
