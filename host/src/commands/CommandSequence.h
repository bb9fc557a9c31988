// An open command sequence: one change scope, ended under the sequence's name.
#pragma once

#include "ICommandSequence.h"

class CommandSequence final : public ICommandSequence {
 public:
  // Opens the sequence's change scope; throws when memory runs out.
  CommandSequence();

  IPMUnknown* QueryInterface(PMIID interfaceID) const override;
  void AddRef() const override { ++fRefCount; }
  void Release() const override;

  void SetName(const PMString& name) override { fName = name; }
  const PMString& GetName() const override { return fName; }

  // Closes the change scope; the step takes the name when this sequence is the outermost.
  void End();
  // Undoes the changes made in the scope and closes it.
  void Abort();

 private:
  ~CommandSequence() override = default;

  uint64 fScope;
  PMString fName;
  bool fEnded = false;
  mutable int32 fRefCount = 1;
};
