#include "LayoutCommands.h"

#include <set>

#include "CmdUtils.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "InterfacePtr.h"
#include "LayoutCmdData.h"

namespace {

// Runs a command that makes one object and answers that object from its item list.
UIDRef ProcessMaking(ICommand* command) {
  if (CmdUtils::ProcessCommand(command) != kSuccess) return kInvalidUIDRef;
  const UIDList* made = command->GetItemList();
  return made && made->Length() == 1 ? made->GetRef(0) : kInvalidUIDRef;
}

// The spread whose page or pasteboard holds an item directly; kInvalidUID for an item inside a
// group or outside the layout.
UID SpreadHolding(IDataBase* db, UID item) {
  InterfacePtr<IHierarchy> hierarchy(db, item, IID_IHIERARCHY);
  const UID parent = hierarchy ? hierarchy->GetParentUID() : kInvalidUID;
  switch (db->GetClass(parent)) {
    case kSpreadBoss:
      return parent;
    case kPageBoss: {
      InterfacePtr<IHierarchy> page(db, parent, IID_IHIERARCHY);
      return page->GetParentUID();
    }
    default:
      return kInvalidUID;
  }
}

}  // namespace

namespace LayoutCommands {

UIDRef NewFrame(const UIDRef& parent, const PMRect& bounds, const PMString& name, bool16 withStory,
                const WideString& text) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kNewFrameCmdBoss));
  InterfacePtr<INewFrameCmdData> data(command.get(), IID_INEWFRAMECMDDATA);
  if (!data) return kInvalidUIDRef;
  INewFrameCmdData::Frame frame;
  frame.parent = parent.GetUID();
  frame.bounds = bounds;
  frame.name = name;
  frame.withStory = withStory;
  frame.text = text;
  data->Set(frame);
  command->SetTarget(parent.GetDataBase());
  return ProcessMaking(command);
}

std::string WhyNotGroupable(const UIDList& items) {
  IDataBase* db = items.GetDataBase();
  if (!db || items.IsEmpty()) return "nothing to group";
  std::set<UID> seen;
  UID spread = kInvalidUID;
  for (int32 i = 0; i < items.Length(); ++i) {
    const ClassID itemClass = db->GetClass(items[i]);
    if (itemClass != kFrameItemBoss && itemClass != kGroupItemBoss) return "not a page item";
    if (!seen.insert(items[i]).second) return "an item is named twice";
    const UID holder = SpreadHolding(db, items[i]);
    if (holder == kInvalidUID) return "an item lies inside a group already";
    if (i > 0 && holder != spread) return "the items lie on different spreads";
    spread = holder;
  }
  return std::string();
}

UIDRef GroupItems(const UIDList& items, const PMString& name) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kGroupItemsCmdBoss));
  InterfacePtr<IGroupItemsCmdData> data(command.get(), IID_IGROUPITEMSCMDDATA);
  if (!data) return kInvalidUIDRef;
  data->SetName(name);
  command->SetItemList(items);
  return ProcessMaking(command);
}

ErrorCode SetItemTransform(const UIDRef& item, const PMMatrix& innerToParent) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetItemTransformCmdBoss));
  InterfacePtr<IItemTransformCmdData> data(command.get(), IID_IITEMTRANSFORMCMDDATA);
  if (!data) return kFailure;
  data->Set(innerToParent);
  command->SetItemList(UIDList(item));
  return CmdUtils::ProcessCommand(command);
}

}  // namespace LayoutCommands
