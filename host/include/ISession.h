// The host session: the application-wide object from which every service is reached.
#pragma once

#include "IPMUnknown.h"

class ISession : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700001 };
};

// The session the current call runs in, or null when no host session is running. The pointer is
// not reference counted.
HOST_API ISession* GetExecutionContextSession();
