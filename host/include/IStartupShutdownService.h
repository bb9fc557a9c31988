// A start-up and shut-down service. The host makes one object of every class that has this
// interface, calls Startup once all plug-ins are loaded, in the order the plug-ins were loaded and
// their classes defined, and Shutdown at quit in the reverse order.
#pragma once

#include "IPMUnknown.h"

class IStartupShutdownService : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700022 };

  virtual void Startup() = 0;
  virtual void Shutdown() = 0;
};
