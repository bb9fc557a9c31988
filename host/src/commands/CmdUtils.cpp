#include "CmdUtils.h"

#include <memory>

#include "CommandSequence.h"
#include "ErrorUtils.h"
#include "database/ChangeScope.h"
#include "objectmodel/Boss.h"

ICommand* CmdUtils::CreateCommand(ClassID commandClass) {
  Boss* boss = Boss::Create(commandClass);
  if (!boss) return nullptr;
  auto* command = static_cast<ICommand*>(boss->QueryInterface(ICommand::kDefaultIID));
  boss->Release();  // the command's reference keeps the boss alive
  return command;
}

ErrorCode CmdUtils::ProcessCommand(ICommand* command) {
  if (!command) return kFailure;
  ErrorUtils::PMSetGlobalErrorCode(kSuccess);
  bool folds = !ChangeScope::IsOpen() && command->GetUndoability() == ICommand::kAutoUndo;
  ChangeScope::Open(folds ? ChangeScope::Fold::kIntoPreviousStep : ChangeScope::Fold::kNewStep);
  command->Do();
  ErrorCode result = ErrorUtils::PMGetGlobalErrorCode();
  if (result != kSuccess) {
    ChangeScope::RollBackInnermost();
    ChangeScope::Close(PMString());
    return result;
  }
  command->DoNotify();
  PMString name = ChangeScope::DefaultStepName();
  if (ChangeScope::IsOutermostOpen()) {
    std::unique_ptr<PMString> own(command->CreateName());
    if (own) name = *own;
  }
  ChangeScope::Close(name);
  return kSuccess;
}

ICommandSequence* CmdUtils::BeginCommandSequence() {
  return new CommandSequence();
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
