// What groups changes into undo steps, across every database of the session. Command sequences,
// commands and transactions open scopes; the outermost open scope decides the step: each database
// changed while it is open ends one step under its name when it closes. A change made while no
// scope is open is a step of its own (see Database). Each host keeps its own scopes; the
// functions below work on the current host's.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "BaseType.h"
#include "PMString.h"

class Database;

namespace ChangeScope {

// What the changes of a scope make when it closes as the outermost one: a step of their own, a
// part of each database's previous step, or the step of one change made outside any scope (see
// Loose), which is recorded before it is made and so cannot be compared with its outcome.
enum class Step { kNew, kJoinPrevious, kLoose };

// How a change is named when nothing else names it (a transaction outside any command).
PMString DefaultStepName();

// An open scope: its identity, its kind, and each database changed inside it with the number of
// records the database's step held when the scope first saw it.
struct Frame {
  uint64 id;
  Step step;
  std::vector<std::pair<Database*, size_t>> marks;
};
// The open scopes of a host, innermost last, and the identity the last one opened took.
struct Stack {
  std::vector<Frame> frames;
  uint64 lastId = 0;
};

// Opens a scope and answers its identity; the kind of the outermost scope decides the step.
// Throws only when memory runs out, opening nothing.
uint64 Open(Step step = Step::kNew);
bool IsOpen();
// How many scopes are open.
size_t Depth();
// Closes the scope, and first any scope opened inside it and left open; closing the outermost
// ends the step of every database it changed. A scope that is closed already is ignored.
void Close(uint64 scope, const PMString& stepName);
// Undoes the changes made since the innermost scope opened (a command that failed).
void RollBackInnermost();
// Undoes and closes every scope above the depth: what an exception left open must not hold the
// changes after it, nor keep undo waiting for a scope that never closes.
void Abandon(size_t depth);
// Undoes and closes the scope and every scope opened inside it; one closed already is ignored.
void AbandonScope(uint64 scope);

// Called by a database before it records a change, with the number of records its open step
// holds, so that the change can be ended and rolled back with the scopes around it. Throws only
// when memory runs out, before anything is noted.
void WillChange(Database* db, size_t recordsSoFar);
// A database that goes away while scopes are open.
void Forget(Database* db);

// Brackets one change: when no scope is open, it opens one for the change and closes it after,
// so that the change is a step of its own.
class Loose {
 public:
  Loose() : fScope(IsOpen() ? 0 : Open(Step::kLoose)) {}
  ~Loose() {
    if (fScope) Close(fScope, DefaultStepName());
  }
  Loose(const Loose&) = delete;
  Loose& operator=(const Loose&) = delete;

 private:
  uint64 fScope;
};

}  // namespace ChangeScope
