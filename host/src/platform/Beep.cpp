#include "Platform.h"
#include "PlatformCalls.h"

namespace {
uint64 gBeeps = 0;
uint32 gLastBeepType = 0;
}  // namespace

// The host runs without a sound device: a beep is counted so that tests and the session runner
// can see it.
BOOL MessageBeep(UINT type) {
  ++gBeeps;
  gLastBeepType = type;
  return TRUE;
}

namespace Platform {
uint64 BeepCount() {
  return gBeeps;
}
uint32 LastBeepType() {
  return gLastBeepType;
}
}  // namespace Platform
