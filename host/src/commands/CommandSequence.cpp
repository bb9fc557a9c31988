#include "CommandSequence.h"

#include "database/ChangeScope.h"

CommandSequence::CommandSequence() : fScope(ChangeScope::Open()) {}

IPMUnknown* CommandSequence::QueryInterface(PMIID interfaceID) const {
  if (interfaceID != ICommandSequence::kDefaultIID) return nullptr;
  AddRef();
  return const_cast<CommandSequence*>(this);
}

void CommandSequence::Release() const {
  if (--fRefCount == 0) delete this;
}

void CommandSequence::End() {
  if (fEnded) return;
  fEnded = true;
  ChangeScope::Close(fScope, fName.IsEmpty() ? ChangeScope::DefaultStepName() : fName);
}

void CommandSequence::Abort() {
  if (fEnded) return;
  fEnded = true;
  ChangeScope::AbandonScope(fScope);
}
