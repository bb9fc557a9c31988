#include "DocumentFactory.h"

#include <cmath>
#include <unordered_set>
#include <vector>

#include "IDocument.h"
#include "IGeometry.h"
#include "IHierarchy.h"
#include "IItemTransform.h"
#include "ISpreadList.h"
#include "ITextFrameColumn.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "database/Database.h"
#include "persist/DocumentFile.h"
#include "swatches/DocumentSwatches.h"

namespace DocumentFactory {
namespace {

// The workspace with its default swatches, and the spreads with their pages; false when an
// object cannot be made (memory ran out), and the document is then to be thrown away.
bool AddContents(IDataBase* db, IDocument* document, ISpreadList* spreadList, int32 spreads,
                 int32 pagesPerSpread) {
  const UID workspace = db->NewUID(kDocWorkspaceBoss);
  if (workspace == kInvalidUID) return false;
  document->SetWorkspaceUID(workspace);
  if (!DocumentSwatches::AddDefaults(db)) return false;
  for (int32 s = 0; s < spreads; ++s) {
    const UID spread = db->NewUID(kSpreadBoss);
    if (spread == kInvalidUID) return false;
    spreadList->AppendSpread(spread);
    InterfacePtr<IHierarchy> pages(db, spread, IID_IHIERARCHY);
    for (int32 p = 0; p < pagesPerSpread; ++p) {
      const UID page = db->NewUID(kPageBoss);
      if (page == kInvalidUID) return false;
      pages->AddChild(page, -1);
    }
  }
  return true;
}

}  // namespace

std::unique_ptr<Database> NewDocument(int32 spreads, int32 pagesPerSpread) {
  if (spreads < 1 || pagesPerSpread < 1 || pagesPerSpread > kMaxPagesPerSpread ||
      spreads > kMaxPages / pagesPerSpread) {
    return nullptr;
  }
  auto db = std::make_unique<Database>(kDocBoss);
  const UID root = db->GetRootUID();
  InterfacePtr<IDocument> document(db.get(), root, IID_IDOCUMENT);
  InterfacePtr<ISpreadList> spreadList(db.get(), root, IID_ISPREADLIST);
  if (!document || !spreadList) return nullptr;

  db->BeginTransaction();
  const bool made = AddContents(db.get(), document, spreadList, spreads, pagesPerSpread);
  db->EndTransaction();
  if (!made) return nullptr;
  db->ClearHistory();
  return db;
}

namespace {

// Walks the layout once, refusing the first thing out of shape.
bool IsLayoutClass(ClassID c) {
  return c == kSpreadBoss || c == kPageBoss || c == kFrameItemBoss || c == kGroupItemBoss ||
         c == kFrameColumnBoss || c == kTextStoryBoss;
}

class StructureCheck {
 public:
  explicit StructureCheck(IDataBase* db) : fDB(db) {}

  std::string Run() {
    const UID root = fDB->GetRootUID();
    if (fDB->GetClass(root) != kDocBoss) return "the root object is no document";
    InterfacePtr<IDocument> document(fDB, root, IID_IDOCUMENT);
    InterfacePtr<ISpreadList> spreads(fDB, root, IID_ISPREADLIST);
    if (!document || !spreads) return "the document lacks its spread list";
    if (fDB->GetClass(document->GetWorkspaceRef().GetUID()) != kDocWorkspaceBoss) {
      return "the document has no workspace";
    }
    for (int32 i = 0; i < spreads->GetSpreadCount(); ++i) {
      const UID spread = spreads->GetNthSpreadUID(i);
      if (fDB->GetClass(spread) != kSpreadBoss || !Claim(spread)) return "a spread is damaged";
      std::string why = CheckSpread(spread);
      if (!why.empty()) return why;
    }
    // An item outside the layout would escape the walk above, and with it the check that its
    // parents lead to a page without going round in a circle.
    if (Database* all = Database::Of(fDB)) {
      for (const auto& object : all->Objects()) {
        if (IsLayoutClass(object.second.GetClass()) && fSeen.count(object.first) == 0) {
          return "an object lies outside the layout";
        }
      }
    }
    return std::string();
  }

 private:
  bool Claim(UID uid) { return fSeen.insert(uid).second; }

  InterfacePtr<IHierarchy> HierarchyOf(UID uid, UID expectedParent) {
    InterfacePtr<IHierarchy> hierarchy(fDB, uid, IID_IHIERARCHY);
    if (hierarchy && hierarchy->GetParentUID() != expectedParent) hierarchy.reset();
    return hierarchy;
  }

  std::string CheckSpread(UID spread) {
    InterfacePtr<IHierarchy> hierarchy = HierarchyOf(spread, kInvalidUID);
    if (!hierarchy) return "a spread's hierarchy is damaged";
    bool pagesEnded = false;
    for (int32 i = 0; i < hierarchy->GetChildCount(); ++i) {
      const UID child = hierarchy->GetChildUID(i);
      if (fDB->GetClass(child) == kPageBoss) {
        if (pagesEnded || !Claim(child)) return "a spread's pages are out of place";
        InterfacePtr<IHierarchy> page = HierarchyOf(child, spread);
        if (!page) return "a page's hierarchy is damaged";
        for (int32 k = 0; k < page->GetChildCount(); ++k)
          fPending.push_back({page->GetChildUID(k), child});
      } else {
        pagesEnded = true;
        fPending.push_back({child, spread});
      }
    }
    return CheckPendingItems();
  }

  // Page items wait in a list instead of on the call stack, so deep nesting cannot overflow it.
  std::string CheckPendingItems() {
    while (!fPending.empty()) {
      const Placed placed = fPending.back();
      fPending.pop_back();
      const ClassID itemClass = fDB->GetClass(placed.uid);
      if ((itemClass != kFrameItemBoss && itemClass != kGroupItemBoss) || !Claim(placed.uid)) {
        return "a page item is damaged or in two places";
      }
      InterfacePtr<IHierarchy> hierarchy = HierarchyOf(placed.uid, placed.parent);
      InterfacePtr<IGeometry> geometry(fDB, placed.uid, IID_IGEOMETRY);
      InterfacePtr<IItemTransform> transform(fDB, placed.uid, IID_IITEMTRANSFORM);
      if (!hierarchy || !geometry || !transform) return "a page item's hierarchy is damaged";
      const PMRect box = geometry->GetBoundingBox();
      if (!std::isfinite(box.Left()) || !std::isfinite(box.Top()) || !std::isfinite(box.Right()) ||
          !std::isfinite(box.Bottom())) {
        return "a page item's bounds are damaged";
      }
      if (!transform->GetInnerToParent().IsInvertible()) {
        return "a page item's matrix has no inverse";
      }
      if (itemClass == kGroupItemBoss) {
        for (int32 k = 0; k < hierarchy->GetChildCount(); ++k) {
          fPending.push_back({hierarchy->GetChildUID(k), placed.uid});
        }
      } else if (hierarchy->GetChildCount() > 1) {
        return "a frame holds more than its column";
      } else if (hierarchy->GetChildCount() == 1) {
        std::string why = CheckColumn(hierarchy->GetChildUID(0), placed.uid);
        if (!why.empty()) return why;
      }
    }
    return std::string();
  }

  std::string CheckColumn(UID column, UID frame) {
    InterfacePtr<IHierarchy> hierarchy = HierarchyOf(column, frame);
    InterfacePtr<ITextFrameColumn> link(fDB, column, IID_ITEXTFRAMECOLUMN);
    if (fDB->GetClass(column) != kFrameColumnBoss || !Claim(column) || !hierarchy || !link ||
        hierarchy->GetChildCount() != 0) {
      return "a text frame's column is damaged";
    }
    const UID story = link->GetTextModelUID();
    InterfacePtr<ITextModel> text(link->QueryTextModel());
    if (fDB->GetClass(story) != kTextStoryBoss || !Claim(story) || !text) {
      return "a text frame's story is damaged";
    }
    const int32 length = text->TotalLength();
    if (length < 1 || text->GetCodeUnit(length - 1) != kTextChar_CR) {
      return "a story lacks its final character";
    }
    return std::string();
  }

  struct Placed {
    UID uid;
    UID parent;
  };

  IDataBase* fDB;
  std::unordered_set<UID> fSeen;
  std::vector<Placed> fPending;
};

}  // namespace

std::string CheckStructure(IDataBase* db) {
  if (!db) return "no document";
  return StructureCheck(db).Run();
}

std::unique_ptr<Database> OpenDocument(const IDFile& file, std::string* error) {
  std::unique_ptr<Database> db = DocumentFile::Open(file, error);
  if (!db) return nullptr;
  const std::string why = CheckStructure(db.get());
  if (why.empty()) return db;
  if (error) *error = file.GetUTF8Path() + ": not a document the host can work on: " + why;
  return nullptr;
}

}  // namespace DocumentFactory
