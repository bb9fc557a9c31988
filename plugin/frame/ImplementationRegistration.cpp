#include "frame/ImplementationRegistration.h"

namespace {
// Constant-initialised, so it is null before any record's initialiser runs.
const ImplementationRegistration* gHead = nullptr;
}  // namespace

ImplementationRegistration::ImplementationRegistration(ImplementationID id,
                                                       CreateImplementationProc createProc,
                                                       DestroyImplementationProc destroyProc,
                                                       ImplementationSizeProc sizeProc,
                                                       ReadWriteImplementationProc readWriteProc)
    : implementationID(id),
      create(createProc),
      destroy(destroyProc),
      size(sizeProc),
      readWrite(readWriteProc),
      reserved{0, 0},
      next(gHead) {
  gHead = this;
}

const ImplementationRegistration* ImplementationRegistration::Head() {
  return gHead;
}
