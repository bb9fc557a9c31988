// The session's registration interface: plug-ins make their implementations known through it,
// one call per implementation. The host afterwards creates, destroys and streams implementations
// only through the functions registered here.
#pragma once

#include <cstdint>

#include "IPMUnknown.h"
#include "ImplementationFactory.h"

class IImplementationRegistry : public IPMUnknown {
 public:
  enum { kDefaultIID = 260 };

  // readWrite is null for implementations that are not stored. The reserved values are 0.
  // Answers kFalse, registering nothing, when the implementation ID is taken already, when a
  // function other than readWrite is missing, or when the plug-in ID is the host's own (0).
  virtual bool16 RegisterImplementation(PluginID pluginID, ImplementationID implementationID,
                                        CreateImplementationProc create,
                                        DestroyImplementationProc destroy,
                                        ImplementationSizeProc size,
                                        ReadWriteImplementationProc readWrite, uintptr_t reserved1,
                                        uintptr_t reserved2) = 0;
};
