// Session commands that make documents and page items: new-document, text-frame, graphic-frame,
// pasteboard-frame and group. Every page item is made through the host's undoable commands.
#include "IHierarchy.h"
#include "IPageList.h"
#include "ISpreadList.h"
#include "InterfacePtr.h"
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionValues.h"
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "document/LayoutCommands.h"

namespace {

constexpr char kDefaultBounds[] = "36,36,236,136";

void NewDocument(ScriptSession& session, const SessionCall& call) {
  const std::string* spreads = call.Option("spreads");
  const std::string* pages = call.Option("pages-per-spread");
  const int32 pagesPerSpread =
      pages ? ParseCount(*pages, "pages-per-spread", DocumentFactory::kMaxPagesPerSpread) : 1;
  const int32 spreadCount =
      spreads ? ParseCount(*spreads, "spreads", DocumentFactory::kMaxPages / pagesPerSpread) : 1;
  std::unique_ptr<Database> document = DocumentFactory::NewDocument(spreadCount, pagesPerSpread);
  if (!document) throw SessionFailure("the host could not make a document");
  session.AddDocument(std::move(document));
}

void CheckNewName(ScriptSession& session, const std::string& name) {
  if (name.empty()) throw ScriptError("a page item needs a name");
  if (session.HasItem(name)) throw ScriptError("a page item named " + name + " exists already");
}

void MakeFrame(ScriptSession& session, const std::string& name, const UIDRef& parent,
               const PMRect& bounds, bool16 withStory, const std::string& text) {
  const UIDRef frame =
      LayoutCommands::NewFrame(parent, bounds, ToPMString(name), withStory, ToWideString(text));
  if (frame == kInvalidUIDRef) throw SessionFailure("the host could not make frame " + name);
  session.AddItemName(name, frame.GetUID());
}

// Page P (counted from 1 across the document) and the page bounds of the call turned into the
// coordinates of the page's spread, where page n of a spread starts at n × 612.
void MakeFrameOnPage(ScriptSession& session, const SessionCall& call, bool16 withStory) {
  Database& db = session.CurrentDocument();
  const std::string& name = call.Arg(0);
  CheckNewName(session, name);
  InterfacePtr<IPageList> pages(&db, db.GetRootUID(), IID_IPAGELIST);
  const int32 pageCount = pages ? pages->GetPageCount() : 0;
  if (pageCount == 0) throw ScriptError("the document has no pages");
  const int32 number = ParseCount(*call.Option("page"), "page", pageCount);
  const UID page = pages->GetNthPageUID(number - 1);
  InterfacePtr<IHierarchy> pageHierarchy(&db, page, IID_IHIERARCHY);
  InterfacePtr<IHierarchy> spread(pageHierarchy->QueryParent());
  const PMReal offset = spread->GetChildIndex(page) * kPageWidth;

  const std::string* bounds = call.Option("bounds");
  const PMRect box = ParseBounds(bounds ? *bounds : kDefaultBounds);
  const PMRect onSpread(box.Left() + offset, box.Top(), box.Right() + offset, box.Bottom());
  const std::string* text = call.Option("text");
  MakeFrame(session, name, UIDRef(&db, page), onSpread, withStory, text ? *text : std::string());
}

void TextFrame(ScriptSession& session, const SessionCall& call) {
  MakeFrameOnPage(session, call, kTrue);
}

void GraphicFrame(ScriptSession& session, const SessionCall& call) {
  MakeFrameOnPage(session, call, kFalse);
}

// Bounds of a pasteboard frame are in its spread's coordinates.
void PasteboardFrame(ScriptSession& session, const SessionCall& call) {
  Database& db = session.CurrentDocument();
  const std::string& name = call.Arg(0);
  CheckNewName(session, name);
  InterfacePtr<ISpreadList> spreads(&db, db.GetRootUID(), IID_ISPREADLIST);
  const int32 spreadCount = spreads ? spreads->GetSpreadCount() : 0;
  if (spreadCount == 0) throw ScriptError("the document has no spreads");
  const int32 number = ParseCount(*call.Option("spread"), "spread", spreadCount);
  const std::string* bounds = call.Option("bounds");
  MakeFrame(session, name, UIDRef(&db, spreads->GetNthSpreadUID(number - 1)),
            ParseBounds(bounds ? *bounds : kDefaultBounds), kTrue, std::string());
}

void Group(ScriptSession& session, const SessionCall& call) {
  Database& db = session.CurrentDocument();
  const std::string& name = call.Arg(0);
  CheckNewName(session, name);
  UIDList items(&db);
  for (size_t i = 1; i < call.ArgCount(); ++i) items.Append(session.FindItem(call.Arg(i)).GetUID());
  const std::string why = LayoutCommands::WhyNotGroupable(items);
  if (!why.empty()) throw ScriptError("cannot group " + name + ": " + why);
  const UIDRef group = LayoutCommands::GroupItems(items, ToPMString(name));
  if (group == kInvalidUIDRef) throw SessionFailure("the host could not make group " + name);
  session.AddItemName(name, group.GetUID());
}

SessionCommandRegistrar gCommands({
    {"new-document [spreads=N] [pages-per-spread=M]", NewDocument},
    {"text-frame NAME page=P [bounds=L,T,R,B] [text=S]", TextFrame},
    {"graphic-frame NAME page=P [bounds=L,T,R,B]", GraphicFrame},
    {"pasteboard-frame NAME spread=N [bounds=L,T,R,B]", PasteboardFrame},
    {"group NAME ITEM...", Group},
});

}  // namespace
