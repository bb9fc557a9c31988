#include "ScriptSession.h"

#include "IHierarchy.h"
#include "IPageItemName.h"
#include "ISpreadList.h"
#include "InterfacePtr.h"
#include "SessionCommand.h"
#include "app/Host.h"
#include "database/Database.h"

ScriptSession::ScriptSession(std::ostream& out, std::istream* terminal, std::ostream& prompts)
    : fOut(out), fDialogUser(out, terminal, prompts), fHost(Host::Current()) {
  if (fHost) fHost->UI().SetUser(&fDialogUser);
}

ScriptSession::~ScriptSession() {
  if (fHost) fHost->UI().SetUser(nullptr);
}

void ScriptSession::AddDocument(std::unique_ptr<Database> document, std::string file) {
  fDocuments.push_back({std::move(document), std::move(file)});
  fNamesValid = false;
}

Database& ScriptSession::CurrentDocument() {
  if (fDocuments.empty()) throw ScriptError("no document (use new-document or open first)");
  return *fDocuments.back().document;
}

std::vector<ScriptDocument> ScriptSession::ScriptDocuments() const {
  std::vector<ScriptDocument> documents;
  for (const OpenDocument& open : fDocuments) documents.push_back({open.document.get(), open.file});
  return documents;
}

void ScriptSession::SetFiles(const std::vector<ScriptDocument>& documents) {
  for (const ScriptDocument& d : documents) SetFile(*d.document, d.file);
}

void ScriptSession::SetFile(const Database& document, const std::string& file) {
  for (OpenDocument& open : fDocuments) {
    if (open.document.get() == &document) open.file = file;
  }
}

UIDRef ScriptSession::FindItem(const std::string& name) {
  const auto& names = ItemNames();
  auto it = names.find(name);
  if (it == names.end()) throw ScriptError("no page item named " + name);
  return UIDRef(&CurrentDocument(), it->second);
}

bool ScriptSession::HasItem(const std::string& name) {
  return ItemNames().count(name) != 0;
}

void ScriptSession::AddItemName(const std::string& name, UID item) {
  ItemNames();
  fNames.emplace(name, item);
}

// Reads every named page item of the current document: those on spreads' pages and pasteboards
// and the members of groups. The first of two items with one name keeps it.
const std::map<std::string, UID>& ScriptSession::ItemNames() {
  if (fNamesValid) return fNames;
  fNames.clear();
  Database& db = CurrentDocument();
  InterfacePtr<ISpreadList> spreads(&db, db.GetRootUID(), IID_ISPREADLIST);
  std::vector<UID> pending;
  for (int32 i = spreads ? spreads->GetSpreadCount() - 1 : -1; i >= 0; --i) {
    pending.push_back(spreads->GetNthSpreadUID(i));
  }
  while (!pending.empty()) {
    const UID uid = pending.back();
    pending.pop_back();
    InterfacePtr<IPageItemName> name(&db, uid, IID_IPAGEITEMNAME);
    if (name) fNames.emplace(name->GetName().GetUTF8String(), uid);
    const ClassID uidClass = db.GetClass(uid);
    if (uidClass == kFrameItemBoss) continue;  // a frame's only child is its column
    InterfacePtr<IHierarchy> hierarchy(&db, uid, IID_IHIERARCHY);
    for (int32 k = hierarchy ? hierarchy->GetChildCount() - 1 : -1; k >= 0; --k) {
      pending.push_back(hierarchy->GetChildUID(k));
    }
  }
  fNamesValid = true;
  return fNames;
}
