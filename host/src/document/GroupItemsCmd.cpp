// The command that groups the page items of its item list. Its item list is the new group
// afterwards. The group's inner coordinates are its parent's (its matrix is the identity), so the
// members keep their matrices; its bounds enclose theirs.
#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "IDataBase.h"
#include "IGeometry.h"
#include "IHierarchy.h"
#include "IItemTransform.h"
#include "IPageItemName.h"
#include "InterfacePtr.h"
#include "LayoutCmdData.h"
#include "LayoutCommands.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class GroupItemsCmdData : public CPMUnknown<IGroupItemsCmdData> {
 public:
  explicit GroupItemsCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void SetName(const PMString& name) override { fName = name; }
  const PMString& GetName() const override { return fName; }

 private:
  PMString fName;
};

// An item's bounds in its parent's coordinates.
PMRect BoundsInParent(const UIDRef& item) {
  PMRect bounds = InterfacePtr<IGeometry>(item, IID_IGEOMETRY)->GetBoundingBox();
  InterfacePtr<IItemTransform>(item, IID_IITEMTRANSFORM)->GetInnerToParent().Transform(&bounds);
  return bounds;
}

class GroupItemsCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    const UIDList items = *GetItemList();
    InterfacePtr<IGroupItemsCmdData> data(this, IID_IGROUPITEMSCMDDATA);
    IDataBase* db = items.GetDataBase();
    if (!data || !LayoutCommands::WhyNotGroupable(items).empty()) {
      return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }

    // The group takes the first item's place; the items then leave their parents for it.
    InterfacePtr<IHierarchy> first(items.GetRef(0), IID_IHIERARCHY);
    InterfacePtr<IHierarchy> place(first->QueryParent());
    const UID group = db->NewUID(kGroupItemBoss);
    if (group == kInvalidUID) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    place->AddChild(group, place->GetChildIndex(items[0]));
    InterfacePtr<IHierarchy> members(db, group, IID_IHIERARCHY);
    PMRect bounds = BoundsInParent(items.GetRef(0));
    for (int32 i = 0; i < items.Length(); ++i) {
      InterfacePtr<IHierarchy> item(items.GetRef(i), IID_IHIERARCHY);
      InterfacePtr<IHierarchy> parent(item->QueryParent());
      parent->RemoveChild(items[i]);
      members->AddChild(items[i], -1);
      bounds = bounds.Union(BoundsInParent(items.GetRef(i)));
    }
    InterfacePtr<IGeometry>(db, group, IID_IGEOMETRY)->SetBoundingBox(bounds);
    InterfacePtr<IPageItemName>(db, group, IID_IPAGEITEMNAME)->SetName(data->GetName());
    SetItemList(UIDList(UIDRef(db, group)));
  }

  PMString* CreateName() override { return new PMString("Group"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<GroupItemsCmdData>(kGroupItemsCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<GroupItemsCmd>(kGroupItemsCmdImpl));
});

}  // namespace
