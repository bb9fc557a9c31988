#include "CmdUtils.h"

#include <memory>
#include <new>

#include "CommandSequence.h"
#include "ErrorUtils.h"
#include "app/Host.h"
#include "database/ChangeScope.h"
#include "objectmodel/Boss.h"

namespace {

// Runs one of the command's operations and answers how it went: the error code it left, or the
// code of an exception that left it, or out of memory when an allocation was refused on the way
// (an operation cannot know what a quiet failure deep inside it lost).
template <class Operation>
ErrorCode Guarded(Operation operation) {
  const uint64 refusals = Host::Get().Refusals();
  try {
    operation();
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
  } catch (const std::exception&) {
    return kFailure;
  }
  if (Host::Get().Refusals() != refusals) return kOutOfMemoryError;
  return ErrorUtils::PMGetGlobalErrorCode();
}

// The command's own name when it makes the step (it is the outermost scope); a name that cannot
// be had leaves the default.
PMString StepName(ICommand* command, bool outermost) {
  PMString name = ChangeScope::DefaultStepName();
  if (!outermost) return name;
  try {
    std::unique_ptr<PMString> own(command->CreateName());
    if (own) name = *own;
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
  }
  return name;
}

}  // namespace

ICommand* CmdUtils::CreateCommand(ClassID commandClass) {
  Boss* boss = Boss::Create(commandClass);
  if (!boss) return nullptr;
  auto* command = static_cast<ICommand*>(boss->QueryInterface(ICommand::kDefaultIID));
  boss->Release();  // the command's reference keeps the boss alive
  return command;
}

ErrorCode CmdUtils::ProcessCommand(ICommand* command) {
  if (!command) return kFailure;
  const bool folds = !ChangeScope::IsOpen() && command->GetUndoability() == ICommand::kAutoUndo;
  const size_t depth = ChangeScope::Depth();
  uint64 scope = 0;
  try {
    scope = ChangeScope::Open(folds ? ChangeScope::Step::kJoinPrevious : ChangeScope::Step::kNew);
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
    ErrorUtils::PMSetGlobalErrorCode(kOutOfMemoryError);
    return kOutOfMemoryError;
  }
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  ErrorCode result = Guarded([command] { command->Do(); });
  if (result == kSuccess) result = Guarded([command] { command->DoNotify(); });
  if (result != kSuccess) {
    // Whatever Do left open goes with it.
    ChangeScope::Abandon(depth);
    ErrorUtils::PMSetGlobalErrorCode(result);
    return result;
  }
  ChangeScope::Close(scope, StepName(command, depth == 0));
  return kSuccess;
}

ICommandSequence* CmdUtils::BeginCommandSequence() {
  try {
    return new CommandSequence();
  } catch (const std::bad_alloc&) {
    Host::Get().CountRefusal();
    return nullptr;
  }
}

void CmdUtils::EndCommandSequence(ICommandSequence* sequence) {
  if (!sequence) return;
  static_cast<CommandSequence*>(sequence)->End();
  sequence->Release();
}

void CmdUtils::AbortCommandSequence(ICommandSequence* sequence) {
  if (!sequence) return;
  static_cast<CommandSequence*>(sequence)->Abort();
  sequence->Release();
}
