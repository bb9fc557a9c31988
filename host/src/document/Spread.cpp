// A spread's pages and the items on them, read from the spread's hierarchy: its pages come first,
// then the items on its pasteboard.
#include <vector>

#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "ISpread.h"
#include "InterfacePtr.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class Spread : public CPMUnknown<ISpread> {
 public:
  explicit Spread(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 GetNumPages() const override {
    InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
    if (!hierarchy) return 0;
    int32 count = 0;
    while (count < hierarchy->GetChildCount() && IsPage(hierarchy->GetChildUID(count))) ++count;
    return count;
  }

  // Pages are a prefix of the children (the host keeps it so and checks it when it opens a
  // file), so the nth page is the nth child when that child is a page.
  UID GetNthPageUID(int32 index) const override {
    InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
    const UID child = hierarchy ? hierarchy->GetChildUID(index) : kInvalidUID;
    return IsPage(child) ? child : kInvalidUID;
  }

  void GetItemsOnPage(int32 pageIndex, UIDList* items, bool16 includePage, bool16 includePasteboard,
                      bool16 topLevelOnly) const override {
    const UID page = GetNthPageUID(pageIndex);
    IDataBase* db = GetDataBase();
    if (!items || page == kInvalidUID || !db) return;
    if (includePage) items->Append(page);
    InterfacePtr<IHierarchy> pageHierarchy(db, page, IID_IHIERARCHY);
    AppendChildren(pageHierarchy, 0, items, topLevelOnly);
    if (includePasteboard) {
      InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
      AppendChildren(hierarchy, GetNumPages(), items, topLevelOnly);
    }
  }

 private:
  bool IsPage(UID uid) const {
    IDataBase* db = GetDataBase();
    return db && db->GetClass(uid) == kPageBoss;
  }

  // Appends the children of a hierarchy from an index on; unless topLevelOnly, each group is
  // followed by its members, depth first.
  void AppendChildren(IHierarchy* parent, int32 from, UIDList* items, bool16 topLevelOnly) const {
    if (!parent) return;
    IDataBase* db = GetDataBase();
    struct Level {
      InterfacePtr<IHierarchy> hierarchy;
      int32 next;
    };
    std::vector<Level> stack;
    parent->AddRef();
    stack.push_back({InterfacePtr<IHierarchy>(parent), from});
    while (!stack.empty()) {
      Level& level = stack.back();
      if (level.next >= level.hierarchy->GetChildCount()) {
        stack.pop_back();
        continue;
      }
      const UID child = level.hierarchy->GetChildUID(level.next++);
      items->Append(child);
      if (!topLevelOnly && db->GetClass(child) == kGroupItemBoss) {
        InterfacePtr<IHierarchy> members(db, child, IID_IHIERARCHY);
        if (members) stack.push_back({members, 0});
      }
    }
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<Spread>(kSpreadImpl));
});

}  // namespace
