#include "dataframe/lookup/DataFrameGathering.h"

#include <vector>

#include "IDataBase.h"
#include "IDocument.h"
#include "IHierarchy.h"
#include "IItemOwnerUtils.h"
#include "ILayoutUtils.h"
#include "IPageItemUtils.h"
#include "IPageList.h"
#include "ISpread.h"
#include "ISpreadList.h"
#include "dataframe/lookup/DataFrameHeaderLookup.h"
#include "dataframe/parser/HeaderReader.h"
#include "frame/host/HostUtilities.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordSource.h"

namespace {

// Climbs from the item to its outermost owning page item.
UIDRef OutermostOwner(const UIDRef& item) {
  InterfacePtr<IItemOwnerUtils> owners = QueryUtility<IItemOwnerUtils>();
  UIDRef current = item;
  UIDRef owner;
  while (owners && owners->GetOwningItem(current, owner) && owner.GetDataBase() &&
         owner.GetUID() != kInvalidUID) {
    current = owner;
  }
  return current;
}

// The index of the spread that holds the page, -1 when none does.
int32 SpreadIndexOfPage(ISpreadList* spreads, IDataBase* db, UID page) {
  if (!spreads || page == kInvalidUID) return -1;
  const int32 spreadCount = spreads->GetSpreadCount();
  for (int32 i = 0; i < spreadCount; ++i) {
    InterfacePtr<ISpread> spread(db, spreads->GetNthSpreadUID(i), IID_ISPREAD);
    if (!spread) continue;
    const int32 pageCount = spread->GetNumPages();
    for (int32 j = 0; j < pageCount; ++j) {
      if (spread->GetNthPageUID(j) == page) return i;
    }
  }
  return -1;
}

// Appends the frames among the item's hierarchy children to the list; groups among them are
// flattened in place.
void AppendMembers(const UIDRef& item, UIDList& list) {
  IDataBase* db = item.GetDataBase();
  InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
  if (!hierarchy) return;
  const int32 count = hierarchy->GetChildCount();
  for (int32 i = 0; i < count; ++i) {
    const UID child = hierarchy->GetChildUID(i);
    const ClassID childClass = db->GetClass(child);
    if (childClass == kGroupItemBoss) {
      FlattenGroupInto(UIDRef(db, child), list);
    } else if (childClass == kFrameItemBoss) {
      list.Append(child);
    }
  }
}

}  // namespace

void LocateTargetPage(const UIDRef& target, UID& page, int32& spreadIndex) {
  page = kInvalidUID;
  spreadIndex = -1;
  IDataBase* db = target.GetDataBase();
  if (target == kInvalidUIDRef || !db) return;

  const UIDRef outermost = OutermostOwner(target);
  const UID root = db->GetRootUID();
  InterfacePtr<IDocument> document(db, root, IID_IDOCUMENT);
  if (!document) return;
  InterfacePtr<IPageList> pages(db, root, IID_IPAGELIST);
  InterfacePtr<IHierarchy> hierarchy(outermost, IID_IHIERARCHY);
  InterfacePtr<ILayoutUtils> layout = QueryUtility<ILayoutUtils>();
  if (!pages || !hierarchy || !layout) return;

  page = layout->GetOwnerPageUID(hierarchy);
  InterfacePtr<ISpreadList> spreads(db, root, IID_ISPREADLIST);
  spreadIndex = SpreadIndexOfPage(spreads, db, page);
}

void FlattenGroupInto(const UIDRef& group, UIDList& list) {
  IDataBase* db = group.GetDataBase();
  if (!db) return;
  // An explicit stack rather than recursion: a document may nest groups arbitrarily deep.
  struct Level {
    InterfacePtr<IHierarchy> hierarchy;
    int32 next;
  };
  std::vector<Level> stack;
  InterfacePtr<IHierarchy> top(group, IID_IHIERARCHY);
  if (top) stack.push_back({top, 0});
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next >= level.hierarchy->GetChildCount()) {
      stack.pop_back();
      continue;
    }
    const UID child = level.hierarchy->GetChildUID(level.next++);
    const ClassID childClass = db->GetClass(child);
    if (childClass == kFrameItemBoss) {
      list.Append(child);
    } else if (childClass == kGroupItemBoss) {
      InterfacePtr<IHierarchy> members(db, child, IID_IHIERARCHY);
      if (members) stack.push_back({members, 0});
    }
  }
}

void GatherDataFrames(const UIDRef& target, DataFrameType type, DataFrameBuckets& buckets) {
  UID targetPage = kInvalidUID;
  int32 targetSpread = -1;
  LocateTargetPage(target, targetPage, targetSpread);

  IDataBase* db = target.GetDataBase();
  if (!db) return;
  const UID root = db->GetRootUID();
  InterfacePtr<IDocument> document(db, root, IID_IDOCUMENT);
  InterfacePtr<ISpreadList> spreads(db, root, IID_ISPREADLIST);
  if (!document || !spreads) return;
  InterfacePtr<IPageItemUtils> itemUtils = QueryUtility<IPageItemUtils>();

  UIDList work(db);
  PMString text;
  PMString name;
  const int32 spreadCount = spreads->GetSpreadCount();
  for (int32 i = 0; i < spreadCount; ++i) {
    InterfacePtr<ISpread> spread(db, spreads->GetNthSpreadUID(i), IID_ISPREAD);
    if (!spread) return;
    const int32 pageCount = spread->GetNumPages();
    for (int32 j = 0; j < pageCount; ++j) {
      const UID page = spread->GetNthPageUID(j);
      spread->GetItemsOnPage(j, &work, kFalse, kFalse, kTrue);
      // The list grows while it is visited: the frames found inside groups are visited too.
      for (int32 k = 0; k < work.Length(); ++k) {
        const UIDRef item = work.GetRef(k);
        if (itemUtils && itemUtils->HasChildrenToVisit(item)) AppendMembers(item, work);
        if (!HasItemTagRecord(item, kDataFrameMarkerKey)) continue;

        DataFrameType itemType = kDataFrameTypeUnknown;
        DataFrameScope itemScope = kDataFrameScopeUnknown;
        ReadStraightenedStory(item, text);
        if (!text.IsEmpty()) ReadHeaderAttributes(text, &itemType, &itemScope, name);
        if (itemType != type) continue;
        std::vector<GatheredDataFrame>* bucket =
            itemScope == kDataFrameScopeDocument                      ? &buckets.document
            : itemScope == kDataFrameScopeSpread && i == targetSpread ? &buckets.spread
            : itemScope == kDataFrameScopePage && page == targetPage  ? &buckets.page
                                                                      : nullptr;
        if (bucket) bucket->push_back({item.GetUID(), std::move(text)});
      }
      work.Clear();
    }
  }
}
