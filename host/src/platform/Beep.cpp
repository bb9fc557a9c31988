#include "PlatformCalls.h"
#include "app/Host.h"

BOOL MessageBeep(UINT type) {
  if (Host* host = Host::Current()) host->Beep(type);
  return TRUE;
}
