// What groups changes into undo steps, across every database of the session. Command sequences,
// commands and transactions open scopes; the outermost open scope decides the step: each database
// changed while it is open ends one step under its name when it closes. A change made while no
// scope is open is a step of its own (see Database). Each host keeps its own scopes; the
// functions below work on the current host's.
#pragma once

#include <utility>
#include <vector>

#include "PMString.h"

class Database;

namespace ChangeScope {

enum class Fold { kNewStep, kIntoPreviousStep };

// An open scope: its fold, and each database changed inside it with the number of records the
// database's step held when the scope first saw it.
struct Frame {
  Fold fold;
  std::vector<std::pair<Database*, size_t>> marks;
};
// The open scopes of a host, innermost last.
typedef std::vector<Frame> Stack;

// How a change is named when nothing else names it (a transaction outside any command).
PMString DefaultStepName();

// Opens a scope. The fold of the outermost scope decides whether its changes become a step of
// their own or join each database's previous step.
void Open(Fold fold = Fold::kNewStep);
bool IsOpen();
// Whether only one scope is open: the one that will decide the step's name.
bool IsOutermostOpen();
// Closes the innermost scope; closing the outermost ends the step of every database it changed.
void Close(const PMString& stepName);
// Undoes the changes made since the innermost scope opened (a command that failed).
void RollBackInnermost();

// Called by a database before it records a change, with the number of records its open step
// holds, so that the change can be ended and rolled back with the scopes around it.
void WillChange(Database* db, size_t recordsSoFar);
// A database that goes away while scopes are open.
void Forget(Database* db);

}  // namespace ChangeScope
