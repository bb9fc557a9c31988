#include "HostClassRegistrar.h"

namespace {
HostClassRegistrar* gFirst = nullptr;
HostClassRegistrar** gLast = &gFirst;
}  // namespace

HostClassRegistrar::HostClassRegistrar(RegisterProc proc) : fProc(proc), fNext(nullptr) {
  *gLast = this;
  gLast = &fNext;
}

void HostClassRegistrar::RegisterAll(ObjectModel& model) {
  for (HostClassRegistrar* r = gFirst; r; r = r->fNext) r->fProc(model);
}
