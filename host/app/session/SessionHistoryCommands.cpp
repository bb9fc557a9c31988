// Session commands on the current document's undo history and state: undo, redo and modified.
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "database/Database.h"

namespace {

// Prints the step's name as the user sees it: translated.
void PrintStep(ScriptSession& session, const char* verb, PMString name) {
  name.Translate();
  session.Out() << verb << ' ' << JsonQuote(name.GetUTF16()) << '\n';
}

void Undo(ScriptSession& session, const SessionCall&) {
  Database& db = session.CurrentDocument();
  if (!db.CanUndo()) {
    session.Out() << "undo nothing\n";
    return;
  }
  const PMString name = db.GetUndoName();
  if (!db.Undo()) throw SessionFailure("the host could not undo");
  session.ForgetItemNames();
  PrintStep(session, "undo", name);
}

void Redo(ScriptSession& session, const SessionCall&) {
  Database& db = session.CurrentDocument();
  if (!db.CanRedo()) {
    session.Out() << "redo nothing\n";
    return;
  }
  const PMString name = db.GetRedoName();
  if (!db.Redo()) throw SessionFailure("the host could not redo");
  session.ForgetItemNames();
  PrintStep(session, "redo", name);
}

void Modified(ScriptSession& session, const SessionCall&) {
  // Asked first: without a document the line is an error that prints nothing.
  const bool modified = session.CurrentDocument().IsModified();
  session.Out() << "modified " << (modified ? 1 : 0) << '\n';
}

SessionCommandRegistrar gCommands({
    {"undo", Undo},
    {"redo", Redo},
    {"modified", Modified},
});

}  // namespace
