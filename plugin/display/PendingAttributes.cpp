#include "display/PendingAttributes.h"

#include "CmdUtils.h"

void PendingAttributes::Add(IPMUnknown* attribute) {
  InterfacePtr<IPMUnknown> adopted(attribute);
  if (!adopted) return;
  if (!fPending) {
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kApplyAttributesCmdBoss));
    fPending = InterfacePtr<IApplyAttributesCmdData>(command.get(), IID_IAPPLYATTRIBUTESCMDDATA);
    if (!fPending) return;
  }
  fPending->AddAttribute(adopted);
}

ErrorCode PendingAttributes::Apply() {
  if (!fPending) return kFailure;
  // Taken out first: whatever happens below, nothing stays pending.
  InterfacePtr<IApplyAttributesCmdData> pending = std::move(fPending);
  InterfacePtr<ICommand> command(pending.get(), ICommand::kDefaultIID);
  if (!command) return kFailure;
  command->SetItemList(fItems);
  return CmdUtils::ProcessCommand(command);
}
