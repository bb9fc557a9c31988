// Something that hears the changes a subject announces.
#pragma once

#include "IPMUnknown.h"

class ISubject;

class IObserver : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700011 };

  // An observer that knows what it follows attaches and detaches itself (a dialog's observer
  // when the dialog opens and closes); others are attached by whoever holds them.
  virtual void AutoAttach() {}
  virtual void AutoDetach() {}

  // A change announced on a subject for a protocol the observer attached to: the change's class,
  // the subject, the protocol (the interface that changed), the changer (a command) and data.
  virtual void Update(ClassID change, ISubject* subject, PMIID protocol, void* changedBy,
                      void* data) = 0;
};
