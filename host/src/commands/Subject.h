// The host's ISubject: a list of observers by protocol, called in the order they attached.
#pragma once

#include <vector>

#include "CPMUnknown.h"
#include "ISubject.h"

class Subject : public CPMUnknown<ISubject> {
 public:
  explicit Subject(IPMUnknown* boss) : CPMUnknown(boss) {}

  void AttachObserver(IObserver* observer, PMIID protocol) override;
  void DetachObserver(IObserver* observer, PMIID protocol) override;
  bool16 IsAttached(IObserver* observer, PMIID protocol) const override;
  void ModelChange(ClassID change, PMIID protocol, void* changedBy, void* data) override;

 private:
  struct Attachment {
    IObserver* observer;
    PMIID protocol;
  };
  std::vector<Attachment> fAttachments;
};
