#include "HostClassRegistrar.h"

namespace {
HostClassRegistrar* gFirst = nullptr;
HostClassRegistrar** gLast = &gFirst;
bool gRegistered = false;
}  // namespace

HostClassRegistrar::HostClassRegistrar(RegisterProc proc) : fProc(proc), fNext(nullptr) {
  *gLast = this;
  gLast = &fNext;
}

void HostClassRegistrar::RegisterAll(ObjectModel& model) {
  if (gRegistered) return;
  gRegistered = true;
  for (HostClassRegistrar* r = gFirst; r; r = r->fNext) r->fProc(model);
}
