// An object that announces its changes to the observers attached to it, by protocol (the
// interface whose data changed). A subject holds no reference to its observers: an observer
// detaches itself before it goes.
#pragma once

#include "IObserver.h"

class ISubject : public IPMUnknown {
 public:
  enum { kDefaultIID = 281 };

  // Attaching an observer twice for the same protocol is the same as once.
  virtual void AttachObserver(IObserver* observer, PMIID protocol) = 0;
  virtual void DetachObserver(IObserver* observer, PMIID protocol) = 0;
  virtual bool16 IsAttached(IObserver* observer, PMIID protocol) const = 0;
  // Calls Update on every observer attached for the protocol, in the order they attached.
  virtual void ModelChange(ClassID change, PMIID protocol, void* changedBy = nullptr,
                           void* data = nullptr) = 0;
};
