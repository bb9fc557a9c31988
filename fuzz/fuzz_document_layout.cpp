// Feeds arbitrary bytes, with their checksum made right, to the document reader and the layout
// check that opening a document adds. A document the check accepts must then survive every walk a
// plug-in makes: each page's items in every listing, the climb to each item's owner and page, and
// each story's characters. A walk that never ends shows up as a fuzzer timeout.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "IHierarchy.h"
#include "IItemOwnerUtils.h"
#include "ILayoutUtils.h"
#include "IPageItemUtils.h"
#include "ISpread.h"
#include "ISpreadList.h"
#include "ITextFrameColumn.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "TextIterator.h"
#include "UtilsBoss.h"
#include "app/Host.h"
#include "document/DocumentFactory.h"
#include "persist/Crc32.h"
#include "persist/DocumentFile.h"

namespace {

template <class T>
InterfacePtr<T> Utils(PMIID id) {
  return InterfacePtr<T>(static_cast<T*>(UtilsBoss::QueryUtils(id)));
}

void WalkItem(IDataBase* db, UID item) {
  const UIDRef ref(db, item);
  UIDRef owner = ref;
  while (Utils<IItemOwnerUtils>(IID_IITEMOWNERUTILS)->GetOwningItem(owner, owner)) {
  }
  InterfacePtr<IHierarchy> hierarchy(db, item, IID_IHIERARCHY);
  Utils<ILayoutUtils>(IID_ILAYOUTUTILS)->GetOwnerPageUID(hierarchy);
  if (!Utils<IPageItemUtils>(IID_IPAGEITEMUTILS)->IsTextFrame(ref)) return;
  InterfacePtr<IHierarchy> column(hierarchy->QueryChild(0));
  InterfacePtr<ITextFrameColumn> link(column.get(), IID_ITEXTFRAMECOLUMN);
  InterfacePtr<ITextModel> story(link->QueryTextModel());
  WideString text;
  for (TextIterator it(story, 0), end(story, story->TotalLength()); it < end; ++it) {
    text.AppendUTF32TextChar(*it);
  }
}

void OpenAndWalk(const uint8* data, size_t size) {
  std::string error;
  std::unique_ptr<Database> db = DocumentFile::Read(data, size, &error);
  if (!db || !DocumentFactory::CheckStructure(db.get()).empty()) return;
  InterfacePtr<ISpreadList> spreads(db.get(), db->GetRootUID(), IID_ISPREADLIST);
  for (int32 s = 0; s < spreads->GetSpreadCount(); ++s) {
    InterfacePtr<ISpread> spread(db.get(), spreads->GetNthSpreadUID(s), IID_ISPREAD);
    for (int32 p = 0; p < spread->GetNumPages(); ++p) {
      for (int flags = 0; flags < 8; ++flags) {
        UIDList items(db.get());
        spread->GetItemsOnPage(p, &items, flags & 1, flags & 2, flags & 4);
        if (flags != 2) continue;  // every item, pasteboard included, once
        for (int32 i = 0; i < items.Length(); ++i) WalkItem(db.get(), items[i]);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Host host;
  host.Session().Start();
  if (size < 4) return 0;
  std::vector<uint8> fixed(data, data + size);
  const uint32 crc = Crc32(fixed.data(), size - 4);
  for (int i = 0; i < 4; ++i) fixed[size - 4 + i] = static_cast<uint8>(crc >> (24 - 8 * i));
  OpenAndWalk(fixed.data(), fixed.size());
  return 0;
}
