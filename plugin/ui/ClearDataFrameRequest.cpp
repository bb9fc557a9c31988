// Request 1351: makes a data frame an ordinary text frame again.
#include "tagdata/ClearDataFrame.h"
#include "ui/ModuleRequestFlows.h"

int32 ClearDataFrameRequest(const ModuleRequestParams* params) {
  if (!params || !params->arg1) return kSuccess;
  const UIDRef target = *static_cast<const UIDRef*>(params->arg1);
  if (target == kInvalidUIDRef) return kSuccess;
  return static_cast<int16>(ClearDataFrame(target));
}
