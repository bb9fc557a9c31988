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
  // No copy of the name: ending a sequence must not fail for want of memory.
  if (fName.IsEmpty()) {
    ChangeScope::Close(fScope, ChangeScope::DefaultStepName());
  } else {
    ChangeScope::Close(fScope, fName);
  }
}

void CommandSequence::Abort() {
  if (fEnded) return;
  fEnded = true;
  ChangeScope::AbandonScope(fScope);
}
