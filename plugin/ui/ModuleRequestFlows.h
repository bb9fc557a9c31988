// The flows behind the module's requests. Each takes the caller's parameter block (possibly
// null) and answers the request's result; IVantelleModule.h says what each reads and writes and
// what a null pointer means.
#pragma once

#include "IVantelleModule.h"

int32 EditDataFrameRequest(const ModuleRequestParams* params);
int32 ClearDataFrameRequest(const ModuleRequestParams* params);
int32 DescribeDataFrameRequest(const ModuleRequestParams* params);
int32 ReadDataFramesRequest(const ModuleRequestParams* params);
int32 AssignDataFrameRequest(const ModuleRequestParams* params);
