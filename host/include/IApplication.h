// The host application, reached from the session (ISession::QueryApplication). Its services, the
// dialog manager among them, are further interfaces of the same object.
#pragma once

#include "IPMUnknown.h"

class IApplication : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700020 };
};
