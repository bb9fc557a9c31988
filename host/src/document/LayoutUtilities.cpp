// The utilities through which plug-ins ask where a page item lies and what it holds: owner
// (0x28B), layout (0x832) and page item (0x2C38), all added to the utilities boss.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "HostIDs.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "IItemOwnerUtils.h"
#include "ILayoutUtils.h"
#include "IPageItemUtils.h"
#include "InterfacePtr.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"
#include "text/FrameStory.h"

namespace {

bool IsPageItemClass(ClassID c) {
  return c == kFrameItemBoss || c == kGroupItemBoss;
}

class ItemOwnerUtils : public CPMUnknown<IItemOwnerUtils> {
 public:
  explicit ItemOwnerUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  bool16 GetOwningItem(const UIDRef& item, UIDRef& owner) const override {
    IDataBase* db = item.GetDataBase();
    InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
    if (!hierarchy) return kFalse;
    const UID parent = hierarchy->GetParentUID();
    if (parent == kInvalidUID || !IsPageItemClass(db->GetClass(parent))) return kFalse;
    owner = UIDRef(db, parent);
    return kTrue;
  }
};

class LayoutUtils : public CPMUnknown<ILayoutUtils> {
 public:
  explicit LayoutUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  // Climbs the hierarchy; documents are trees (the host checks it when it opens a file), so the
  // climb ends at a page or at the top of a spread.
  UID GetOwnerPageUID(const IHierarchy* itemHierarchy) const override {
    if (!itemHierarchy) return kInvalidUID;
    IDataBase* db = ::GetDataBase(itemHierarchy);
    UID uid = ::GetUID(itemHierarchy);
    UID parent = itemHierarchy->GetParentUID();
    while (db && uid != kInvalidUID) {
      if (db->GetClass(uid) == kPageBoss) return uid;
      uid = parent;
      InterfacePtr<IHierarchy> next(db, uid, IID_IHIERARCHY);
      parent = next ? next->GetParentUID() : kInvalidUID;
    }
    return kInvalidUID;
  }
};

class PageItemUtils : public CPMUnknown<IPageItemUtils> {
 public:
  explicit PageItemUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  bool16 IsTextFrame(const UIDRef& item) const override {
    return FrameStory::StoryUID(item) != kInvalidUID ? kTrue : kFalse;
  }

  bool16 HasChildrenToVisit(const UIDRef& item) const override {
    IDataBase* db = item.GetDataBase();
    if (!db || db->GetClass(item.GetUID()) != kGroupItemBoss) return kFalse;
    InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
    return hierarchy && hierarchy->GetChildCount() > 0 ? kTrue : kFalse;
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<ItemOwnerUtils>(kItemOwnerUtilsImpl));
  model.RegisterImplementation(MakeHostFactory<LayoutUtils>(kLayoutUtilsImpl));
  model.RegisterImplementation(MakeHostFactory<PageItemUtils>(kPageItemUtilsImpl));
  model.AddIn(kUtilsBoss, {{IID_IITEMOWNERUTILS, kItemOwnerUtilsImpl},
                           {IID_ILAYOUTUTILS, kLayoutUtilsImpl},
                           {IID_IPAGEITEMUTILS, kPageItemUtilsImpl}});
});

}  // namespace
