// Request 1353: the entry block of the data frames of a type that apply to a page item.
#include <cstring>

#include "dataframe/lookup/DataFrameEntries.h"
#include "ui/ModuleRequestFlows.h"

int32 ReadDataFramesRequest(const ModuleRequestParams* params) {
  if (!params) return kFailure;
  auto* block = static_cast<MemBlock*>(params->arg3);
  auto* size = static_cast<uint32*>(params->arg4);
  if (!params->arg1 || !params->arg2) {
    if (block) *block = nullptr;
    if (size) *size = 0;
    return kFailure;
  }
  const UIDRef target = *static_cast<const UIDRef*>(params->arg1);
  DataFrameType type = kDataFrameTypeUnknown;
  std::memcpy(&type, params->arg2, sizeof type);
  return GetDataFrameEntries(target, type, block, size);
}
