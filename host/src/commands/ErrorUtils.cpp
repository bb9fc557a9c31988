#include "ErrorUtils.h"

#include "app/Host.h"

void ErrorUtils::PMSetGlobalErrorCode(ErrorCode code) {
  if (Host* host = Host::Current()) host->SetGlobalErrorCode(code);
}

ErrorCode ErrorUtils::PMGetGlobalErrorCode() {
  const Host* host = Host::Current();
  return host ? host->GlobalErrorCode() : kSuccess;
}
