// The host's utilities: one boss of the session whose interfaces are the utility interfaces.
// Plug-ins and the host add utilities to it as add-ins.
#pragma once

#include "IPMUnknown.h"

class HOST_API UtilsBoss {
 public:
  // The utility interface with that identifier, with a reference added; null when absent.
  static IPMUnknown* QueryUtils(PMIID utilityID);
};
