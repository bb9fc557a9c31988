// An observer that is not a boss: it records what it hears, and can detach itself or another
// observer while it is updated. Made with a subject, it listens there for the protocol while it
// lives.
#pragma once

#include <vector>

#include "ISubject.h"
#include "InterfacePtr.h"

class RecordingObserver : public IObserver {
 public:
  struct Heard {
    ClassID change;
    ISubject* subject;
    PMIID protocol;
    void* changedBy;
    void* data;
  };

  RecordingObserver() = default;
  RecordingObserver(InterfacePtr<ISubject> subject, PMIID protocol)
      : fSubject(std::move(subject)), fProtocol(protocol) {
    fSubject->AttachObserver(this, fProtocol);
  }
  ~RecordingObserver() override {
    if (fSubject) fSubject->DetachObserver(this, fProtocol);
  }

  IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
  void AddRef() const override {}
  void Release() const override {}
  void Update(ClassID change, ISubject* subject, PMIID protocol, void* changedBy,
              void* data) override {
    heard.push_back({change, subject, protocol, changedBy, data});
    if (detachOnUpdate) subject->DetachObserver(detachOnUpdate, protocol);
  }

  std::vector<Heard> heard;
  IObserver* detachOnUpdate = nullptr;

 private:
  InterfacePtr<ISubject> fSubject;
  PMIID fProtocol = 0;
};
