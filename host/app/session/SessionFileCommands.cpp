// Session commands that save the current document and open a document file: save and open. The
// host's messages name the file.
#include "IDFile.h"
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "persist/DocumentFile.h"

namespace {

void Save(ScriptSession& session, const SessionCall& call) {
  const std::string& path = call.Arg(0);
  std::string error;
  if (!DocumentFile::Save(session.CurrentDocument(), IDFile::FromUTF8(path), &error)) {
    throw SessionFailure(error);
  }
  session.SetFile(session.CurrentDocument(), path);
}

void Open(ScriptSession& session, const SessionCall& call) {
  const std::string& path = call.Arg(0);
  std::string error;
  std::unique_ptr<Database> document =
      DocumentFactory::OpenDocument(IDFile::FromUTF8(path), &error);
  if (!document) throw SessionFailure(error);
  session.AddDocument(std::move(document), path);
}

SessionCommandRegistrar gCommands({
    {"save PATH", Save},
    {"open PATH", Open},
});

}  // namespace
