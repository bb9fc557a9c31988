// The commands that set the non-printing flag and the opacity of the items of their item list.
// Nothing changes unless every item has a look to change.
#include <vector>

#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "GraphicAttributeRules.h"
#include "IBoolData.h"
#include "InterfacePtr.h"
#include "cmddata/IRealNumberData.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class ItemLookCmd : public Command {
 public:
  using Command::Command;

 protected:
  // The looks of all items; empty when any item lacks one or there are none.
  std::vector<InterfacePtr<IGraphicAttributes>> Looks() const {
    std::vector<InterfacePtr<IGraphicAttributes>> looks;
    const UIDList& items = *GetItemList();
    for (int32 i = 0; i < items.Length(); ++i) {
      looks.emplace_back(items.GetRef(i), IID_IGRAPHICATTRIBUTES);
      if (!looks.back()) return {};
    }
    return looks;
  }
  static void Fail() { ErrorUtils::PMSetGlobalErrorCode(kFailure); }
};

class SetNonPrintingCmd : public ItemLookCmd {
 public:
  using ItemLookCmd::ItemLookCmd;

  void Do() override {
    InterfacePtr<IBoolData> value(this, IBoolData::kDefaultIID);
    const auto looks = Looks();
    if (!value || looks.empty()) return Fail();
    for (const auto& look : looks) look->SetNonPrinting(value->Get());
  }
  PMString* CreateName() override { return new PMString("Non-Printing"); }
};

class SetOpacityCmd : public ItemLookCmd {
 public:
  using ItemLookCmd::ItemLookCmd;

  void Do() override {
    InterfacePtr<IRealNumberData> value(this, IID_IREALNUMBERDATA);
    const auto looks = Looks();
    if (!value || !GraphicAttributeRules::IsPercent(value->Get()) || looks.empty()) return Fail();
    for (const auto& look : looks) look->SetOpacity(value->Get());
  }
  PMString* CreateName() override { return new PMString("Opacity"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<SetNonPrintingCmd>(kSetNonPrintingCmdImpl));
  model.RegisterImplementation(MakeHostFactory<SetOpacityCmd>(kSetOpacityCmdImpl));
});

}  // namespace
