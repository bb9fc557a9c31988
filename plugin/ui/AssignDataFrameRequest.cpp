// Request 1354: makes a page item a data frame without a dialog. No command sequence is begun:
// each of the assignment's commands is an undo step of its own unless the caller opened one.
#include <cstring>

#include "tagdata/AssignDataFrame.h"
#include "ui/ModuleRequestFlows.h"

namespace {

int16 ReadInt16(const void* value) {
  int16 result = 0;
  std::memcpy(&result, value, sizeof result);
  return result;
}

}  // namespace

int32 AssignDataFrameRequest(const ModuleRequestParams* params) {
  if (!params) return kFailure;
  for (const void* in : {params->arg1, params->arg2, params->arg3, params->arg4, params->arg5,
                         params->arg6, params->arg7, params->arg8}) {
    if (!in) return kFailure;
  }
  const UIDRef target = *static_cast<const UIDRef*>(params->arg1);
  const PMString& frameID = *static_cast<const PMString*>(params->arg2);
  const PMString& name = *static_cast<const PMString*>(params->arg4);
  const ErrorCode result = AssignDataFrame(target, ReadInt16(params->arg3), ReadInt16(params->arg5),
                                           frameID, 0, name, ReadInt16(params->arg7), kFalse,
                                           ReadInt16(params->arg6), ReadInt16(params->arg8));
  return static_cast<int16>(result);
}
