// The host session: the application-wide object from which every service is reached.
#pragma once

#include "IPMUnknown.h"

class IApplication;
class IWorkspace;

class ISession : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700001 };

  // The host application, with a reference added.
  virtual IApplication* QueryApplication() const = 0;
  // The session's workspace, an object of the session's own database, with a reference added.
  virtual IWorkspace* QueryWorkspace() const = 0;
};

// The session the current call runs in, or null when no host session is running. The pointer is
// not reference counted.
HOST_API ISession* GetExecutionContextSession();
