#include "Subject.h"

#include <algorithm>

#include "HostIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {
HostClassRegistrar gSubjectClasses([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<Subject>(kSubjectImpl));
  model.DefineClass(kDocumentSubjectBoss, kInvalidClass, {{ISubject::kDefaultIID, kSubjectImpl}});
});
}  // namespace

void Subject::AttachObserver(IObserver* observer, PMIID protocol) {
  if (observer && !IsAttached(observer, protocol)) fAttachments.push_back({observer, protocol});
}

void Subject::DetachObserver(IObserver* observer, PMIID protocol) {
  fAttachments.erase(std::remove_if(fAttachments.begin(), fAttachments.end(),
                                    [&](const Attachment& a) {
                                      return a.observer == observer && a.protocol == protocol;
                                    }),
                     fAttachments.end());
}

bool16 Subject::IsAttached(IObserver* observer, PMIID protocol) const {
  return std::any_of(
             fAttachments.begin(), fAttachments.end(),
             [&](const Attachment& a) { return a.observer == observer && a.protocol == protocol; })
             ? kTrue
             : kFalse;
}

void Subject::ModelChange(ClassID change, PMIID protocol, void* changedBy, void* data) {
  // An observer may detach itself (or others) while it is updated: work on a copy, and skip any
  // observer that is no longer attached when its turn comes.
  std::vector<Attachment> now = fAttachments;
  for (const Attachment& a : now) {
    if (a.protocol != protocol || !IsAttached(a.observer, protocol)) continue;
    a.observer->Update(change, this, protocol, changedBy, data);
  }
}
