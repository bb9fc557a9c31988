// The plug-in's request interface for other plug-ins of the same host session. A client makes the
// module service object, fills a ModuleRequest and hands it to ProcessRequest:
//
//   InterfacePtr<IVantelleModule> module(static_cast<IVantelleModule*>(
//       CreateObject(kVantelleModuleBoss, IVantelleModule::kDefaultIID)));
//   ModuleRequestParams params = {};
//   ModuleRequest request = {};
//   request.selector = kRequestReadDataFrames;
//   request.params = &params;
//   params.arg1 = &target;      // UIDRef
//   params.arg2 = &type;        // int16
//   params.arg3 = &block;       // void*, receives the entry block
//   params.arg4 = &size;        // uint32
//   module->ProcessRequest(&request);
//   ... read the block, then release it through the session's memory service (0xFA500).
//
// Every record and every value the args point to belong to the caller.
#pragma once

#include <cstddef>

#include "IPMUnknown.h"

// The plug-in's classes 0x182905 and 0x182906 are its two adornments.
constexpr ClassID kVantelleModuleBoss = 0x182907;

// Selectors. What each arg points to (in: read by the module, out: written by it):
//
//   1350 kRequestEditDataFrame      arg1 in UIDRef target
//   1351 kRequestClearDataFrame     arg1 in UIDRef target
//   1352 kRequestDescribeDataFrame  arg1 in UIDRef target; arg2 out int16, 1 when the target is a
//                                   data frame; arg3 out Str255 frame ID (written only when not
//                                   empty); arg4 out Str255 type name; arg5 out Str255 scope
//                                   name; arg6 out Str255 data frame name
//   1353 kRequestReadDataFrames     arg1 in UIDRef target; arg2 in int16 data frame type;
//                                   arg3 out void*, the DataFrameEntryBlock (the caller's to
//                                   free); arg4 out uint32, its size in bytes
//   1354 kRequestAssignDataFrame    arg1 in UIDRef target; arg2 in PMString frame ID; arg3 in
//                                   int16 type; arg4 in PMString name; arg5 in int16 scope; arg6
//                                   in int16 match_name; arg7 in int16 match_frame_id; arg8 in
//                                   int16 entry hint comment
//
// A Str255 is a buffer of 256 bytes: a length byte, then up to 255 characters of 8-bit text.
constexpr int32 kRequestEditDataFrame = 1350;
constexpr int32 kRequestClearDataFrame = 1351;
constexpr int32 kRequestDescribeDataFrame = 1352;
constexpr int32 kRequestReadDataFrames = 1353;
constexpr int32 kRequestAssignDataFrame = 1354;

// The result of a selector the module does not know.
constexpr int32 kModuleRequestUnknownSelector = -1018;

// Results are the host's error codes (0 success, 1 failure), widened from 16 bits.
//
// Pointers left null. A caller should give every pointer its request reads; the module never
// follows a null one, and answers as follows:
// - a null request: nothing happens (there is no result to write);
// - 1350 and 1351 with null params or arg1: result 0, nothing changed;
// - 1352 with null params or arg2: result 0, nothing written; with arg1 null the target is taken
//   as the invalid reference (flag 0, names "Unknown"); null arg3 to arg6 are not written;
// - 1353 with null params, arg1 or arg2: result 1 with arg3 and arg4, where given, cleared (as
//   for the invalid target); a null arg3 or arg4 is not written (an entry block that nobody
//   receives is freed by the module);
// - 1354 with null params or a null input pointer: result 1, nothing changed.
struct ModuleRequestParams {
  uint8 unread[584];
  void* arg1;
  void* arg2;
  void* arg3;
  void* arg4;
  void* arg5;
  void* arg6;
  void* arg7;
  void* arg8;
};

struct ModuleRequest {
  int32 result;    // written by the module
  int32 selector;  // one of the kRequest… values
  uint8 unread[8];
  ModuleRequestParams* params;
};

static_assert(sizeof(void*) == 8, "the request layout is that of a 64-bit host");
static_assert(offsetof(ModuleRequest, result) == 0, "request layout");
static_assert(offsetof(ModuleRequest, selector) == 4, "request layout");
static_assert(offsetof(ModuleRequest, params) == 16, "request layout");
static_assert(offsetof(ModuleRequestParams, arg1) == 584, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg2) == 592, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg3) == 600, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg4) == 608, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg5) == 616, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg6) == 624, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg7) == 632, "request parameter layout");
static_assert(offsetof(ModuleRequestParams, arg8) == 640, "request parameter layout");

class IVantelleModule : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x182904 };

  // Runs the request and writes its result into request->result.
  virtual void ProcessRequest(ModuleRequest* request) = 0;

  ~IVantelleModule() override = default;
};
