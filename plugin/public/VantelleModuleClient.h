// A client of the module service for other plug-ins: each call lays its request out as
// IVantelleModule.h describes, with every pointer the request reads given, and answers the
// request's result.
#pragma once

#include "CreateObject.h"
#include "IVantelleModule.h"
#include "InterfacePtr.h"
#include "PMString.h"
#include "UIDRef.h"

// The caller's buffer for a text the module writes: a length byte and up to 255 characters of
// 8-bit text.
typedef uint8 Str255[256];

class VantelleModuleClient {
 public:
  // Makes the module service object; IsLoaded tells whether the plug-in provides it.
  VantelleModuleClient()
      : fModule(static_cast<IVantelleModule*>(
            CreateObject(kVantelleModuleBoss, IVantelleModule::kDefaultIID))) {}

  bool IsLoaded() const { return fModule.get() != nullptr; }

  // Any selector with the caller's parameter block (null allowed).
  int32 Send(int32 selector, ModuleRequestParams* params) const {
    ModuleRequest request = {};
    request.selector = selector;
    request.params = params;
    fModule->ProcessRequest(&request);
    return request.result;
  }

  // 1351.
  int32 ClearDataFrame(UIDRef target) const {
    ModuleRequestParams params = {};
    params.arg1 = &target;
    return Send(kRequestClearDataFrame, &params);
  }

  // 1352: the flag and the four texts are written into the caller's buffers; the frame ID only
  // when the target has one.
  int32 DescribeDataFrame(UIDRef target, int16& flag, Str255 frameID, Str255 typeName,
                          Str255 scopeName, Str255 name) const {
    ModuleRequestParams params = {};
    params.arg1 = &target;
    params.arg2 = &flag;
    params.arg3 = frameID;
    params.arg4 = typeName;
    params.arg5 = scopeName;
    params.arg6 = name;
    return Send(kRequestDescribeDataFrame, &params);
  }

  // 1353: the entry block becomes the caller's, who frees it through the session's memory
  // service.
  int32 ReadDataFrames(UIDRef target, int16 type, void*& block, uint32& size) const {
    ModuleRequestParams params = {};
    params.arg1 = &target;
    params.arg2 = &type;
    params.arg3 = &block;
    params.arg4 = &size;
    return Send(kRequestReadDataFrames, &params);
  }

  // 1354.
  int32 AssignDataFrame(UIDRef target, PMString frameID, int16 type, PMString name, int16 scope,
                        int16 matchName, int16 matchFrameID, int16 entryHint) const {
    ModuleRequestParams params = {};
    params.arg1 = &target;
    params.arg2 = &frameID;
    params.arg3 = &type;
    params.arg4 = &name;
    params.arg5 = &scope;
    params.arg6 = &matchName;
    params.arg7 = &matchFrameID;
    params.arg8 = &entryHint;
    return Send(kRequestAssignDataFrame, &params);
  }

 private:
  InterfacePtr<IVantelleModule> fModule;
};
