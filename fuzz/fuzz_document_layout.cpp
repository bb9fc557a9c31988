// Feeds arbitrary bytes, with their checksum made right, to the document reader and the layout
// check that opening a document adds, with the plug-in loaded. A document the check accepts must
// then survive every walk a plug-in makes (each page's items in every listing, the climb to each
// item's owner and page, and each story's characters) and session commands that make, group,
// tag, assign, read, clear and undo, after which it must still be in shape, with no change scope
// left open. A walk that never ends shows up as a fuzzer timeout.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "IHierarchy.h"
#include "IItemOwnerUtils.h"
#include "ILayoutUtils.h"
#include "IPageItemUtils.h"
#include "ISpread.h"
#include "ISpreadList.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "PlugInHost.h"
#include "ScriptSession.h"
#include "SessionRunner.h"
#include "TextIterator.h"
#include "UtilsBoss.h"
#include "database/ChangeScope.h"
#include "document/DocumentFactory.h"
#include "persist/Crc32.h"
#include "persist/DocumentFile.h"
#include "text/FrameStory.h"

namespace {

// Lines that reach the plug-in's tag data, its document preferences and its requests; 1353 reads
// every data frame of the document. A line may fail (a name the document holds already, no
// page); none may crash or leave the document out of shape.
constexpr const char* kCommands[] = {
    R"(text-frame Fz1 page=1 text="<dataframe type=\"labels\" scope=\"document\"/>\rSize:12")",
    "graphic-frame Fz2 page=1",
    "pasteboard-frame Fz3 spread=1",
    "group Fz4 Fz1 Fz2",
    "type Fz1 \"\\rColor,Red\"",
    "set-tagdata Fz2 0000000C00000001000000044B4559315A5A5A5A",
    "request 1354 Fz3 frame-id=F type=4 name=N scope=3 match-name=1 match-frame-id=1 hint=1",
    "request 1353 Fz2 type=0",
    "request 1353 Fz3 type=4",
    "request 1352 Fz3",
    "doc-tagdata",
    "request 1351 Fz3",
    "undo",
    "undo",
    "undo",
    "undo",
    "redo",
    "undo",
    "undo",
    "undo",
    "undo",
    "undo",
    "undo",
};

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "document layout: %s\n", what);
  std::abort();
}

void RunCommands(std::unique_ptr<Database> db) {
  std::ostringstream out, err;
  ScriptSession session(out);
  session.AddDocument(std::move(db));
  int number = 0;
  for (const char* line : kCommands) RunSessionLine(session, line, ++number, err);
  Require(!ChangeScope::IsOpen(), "a change scope is left open");
  Require(DocumentFactory::CheckStructure(&session.CurrentDocument()).empty(),
          "the commands left the document out of shape");
}

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
  InterfacePtr<ITextModel> story = FrameStory::Query(ref);
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
  RunCommands(std::move(db));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartPlugInHost();
  if (size < 4) return 0;
  std::vector<uint8> fixed(data, data + size);
  const uint32 crc = Crc32(fixed.data(), size - 4);
  for (int i = 0; i < 4; ++i) fixed[size - 4 + i] = static_cast<uint8>(crc >> (24 - 8 * i));
  OpenAndWalk(fixed.data(), fixed.size());
  return 0;
}
