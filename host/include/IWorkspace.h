// A workspace: the object that holds settings and resources for what owns it. The session's
// workspace lives in the session's own database and holds application-wide preferences; plug-ins
// add their preference implementations to its class.
#pragma once

#include "IPMUnknown.h"

class IWorkspace : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700021 };
};
