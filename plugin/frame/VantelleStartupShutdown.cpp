// The start-up service: loads, checks and rewrites the module settings when the host starts.
// Shut-down does nothing.
#include "CPMUnknown.h"
#include "IStartupShutdownService.h"
#include "frame/ImplementationRegistration.h"
#include "frame/ModuleSettings.h"
#include "frame/VantelleID.h"

namespace {

class VantelleStartupShutdown : public CPMUnknown<IStartupShutdownService> {
 public:
  explicit VantelleStartupShutdown(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Startup() override { StartModuleSettings(); }
  void Shutdown() override {}
};

}  // namespace

CREATE_PMINTERFACE(VantelleStartupShutdown, kVantelleStartupShutdownImpl);
