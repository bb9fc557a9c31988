// The module service: dispatches other plug-ins' requests to their flows.
#include "CPMUnknown.h"
#include "IVantelleModule.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"
#include "ui/ModuleRequestFlows.h"

namespace {

struct ModuleRequestFlow {
  int32 selector;
  int32 (*run)(const ModuleRequestParams* params);
};

constexpr ModuleRequestFlow kFlows[] = {
    {kRequestEditDataFrame, EditDataFrameRequest},
    {kRequestClearDataFrame, ClearDataFrameRequest},
    {kRequestDescribeDataFrame, DescribeDataFrameRequest},
    {kRequestReadDataFrames, ReadDataFramesRequest},
    {kRequestAssignDataFrame, AssignDataFrameRequest},
};

class VantelleModule : public CPMUnknown<IVantelleModule> {
 public:
  explicit VantelleModule(IPMUnknown* boss) : CPMUnknown(boss) {}

  void ProcessRequest(ModuleRequest* request) override {
    if (!request) return;
    for (const ModuleRequestFlow& flow : kFlows) {
      if (flow.selector == request->selector) {
        request->result = flow.run(request->params);
        return;
      }
    }
    request->result = kModuleRequestUnknownSelector;
  }
};

}  // namespace

CREATE_PMINTERFACE(VantelleModule, kVantelleModuleImpl);
