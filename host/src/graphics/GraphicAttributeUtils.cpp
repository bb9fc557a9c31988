// The graphic-attribute utility: makes attribute objects for the attribute-list command, and the
// non-printing command.
#include <vector>

#include "CPMUnknown.h"
#include "CmdUtils.h"
#include "DocumentIDs.h"
#include "GraphicAttributeRules.h"
#include "IBoolData.h"
#include "IDataBase.h"
#include "IGraphicAttribute.h"
#include "IGraphicAttributeUtils.h"
#include "IHierarchy.h"
#include "InterfacePtr.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/Boss.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

// The items and, below each group, its members at any depth; a list instead of the call stack
// holds the groups still to open, so deep nesting cannot overflow it.
UIDList WithGroupMembers(const UIDList& items) {
  IDataBase* db = items.GetDataBase();
  UIDList all(db);
  std::vector<UID> pending;
  for (int32 i = items.Length() - 1; i >= 0; --i) pending.push_back(items[i]);
  while (!pending.empty()) {
    const UID uid = pending.back();
    pending.pop_back();
    all.Append(uid);
    if (!db || db->GetClass(uid) != kGroupItemBoss) continue;
    InterfacePtr<IHierarchy> group(db, uid, IID_IHIERARCHY);
    for (int32 k = group ? group->GetChildCount() - 1 : -1; k >= 0; --k) {
      pending.push_back(group->GetChildUID(k));
    }
  }
  return all;
}

class GraphicAttributeUtils : public CPMUnknown<IGraphicAttributeUtils> {
 public:
  explicit GraphicAttributeUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  IPMUnknown* CreateFillSwatchAttribute(UID swatch) const override {
    return Make({kFillSwatchAttr, swatch, 0});
  }
  IPMUnknown* CreateFillTintAttribute(PMReal tint) const override {
    return Make({kFillTintAttr, 0, tint});
  }
  IPMUnknown* CreateStrokeSwatchAttribute(UID swatch) const override {
    return Make({kStrokeSwatchAttr, swatch, 0});
  }
  IPMUnknown* CreateStrokeTintAttribute(PMReal tint) const override {
    return Make({kStrokeTintAttr, 0, tint});
  }
  IPMUnknown* CreateStrokeWeightAttribute(PMReal weight) const override {
    return Make({kStrokeWeightAttr, 0, weight});
  }
  IPMUnknown* CreateClassAttribute(ClassID value, int32) const override {
    return Make({kClassAttr, value, 0});
  }
  IPMUnknown* CreateSwitchAttribute(uint32 value) const override {
    return Make({kSwitchAttr, value, 0});
  }

  ICommand* CreateNonPrintingCommand(bool16 nonPrinting, const UIDList& items, bool16 regularUndo,
                                     bool16 includeGroupMembers) const override {
    if (items.IsEmpty()) return nullptr;
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetNonPrintingCmdBoss));
    InterfacePtr<IBoolData> value(command.get(), IBoolData::kDefaultIID);
    if (!value) return nullptr;
    value->Set(nonPrinting);
    command->SetItemList(includeGroupMembers ? WithGroupMembers(items) : items);
    command->SetUndoability(regularUndo ? ICommand::kRegularUndo : ICommand::kAutoUndo);
    return command.forget();
  }

 private:
  static IPMUnknown* Make(const GraphicAttributeValue& value) {
    if (!GraphicAttributeRules::IsInRange(value)) return nullptr;
    Boss* boss = Boss::Create(kGraphicAttributeBoss);
    if (!boss) return nullptr;
    InterfacePtr<IGraphicAttribute> attribute(boss, IID_IGRAPHICATTRIBUTE);
    boss->Release();  // the attribute's reference keeps the object
    if (!attribute) return nullptr;
    attribute->Set(value);
    return attribute.forget();
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<GraphicAttributeUtils>(kGraphicAttributeUtilsImpl));
});

}  // namespace
