// Request 1352: what data frame a page item carries, as display texts in the caller's Str255s.
#include <cstring>

#include "PMString.h"
#include "dataframe/lookup/DataFrameHeaderLookup.h"
#include "tagdata/DataFrameVocabulary.h"
#include "ui/ModuleRequestFlows.h"

namespace {

constexpr int32 kStr255Size = 256;

void WriteStr255(void* out, const PMString& text) {
  if (out) text.GetPString(static_cast<uint8*>(out), kStr255Size);
}

}  // namespace

int32 DescribeDataFrameRequest(const ModuleRequestParams* params) {
  if (!params || !params->arg2) return kSuccess;
  const UIDRef target = params->arg1 ? *static_cast<const UIDRef*>(params->arg1) : kInvalidUIDRef;

  DataFrameType type = kDataFrameTypeUnknown;
  DataFrameScope scope = kDataFrameScopeUnknown;
  PMString name;
  PMString frameID;
  const int16 isDataFrame = CheckDataFrame(target, &type, &scope, name, frameID);
  std::memcpy(params->arg2, &isDataFrame, sizeof isDataFrame);

  if (!frameID.IsEmpty()) WriteStr255(params->arg3, frameID);
  PMString typeName;
  DataFrameTypeDisplayName(type, typeName);
  WriteStr255(params->arg4, typeName);
  PMString scopeName;
  DataFrameScopeDisplayName(scope, scopeName);
  WriteStr255(params->arg5, scopeName);
  WriteStr255(params->arg6, name);
  return kSuccess;
}
