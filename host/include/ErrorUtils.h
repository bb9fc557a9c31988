// The session's global error code: how a command's Do reports that it failed.
#pragma once

#include "BaseType.h"

class HOST_API ErrorUtils {
 public:
  static void PMSetGlobalErrorCode(ErrorCode code);
  static ErrorCode PMGetGlobalErrorCode();
};
