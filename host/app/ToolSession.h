// The host a tool command runs in: the tools need the session's memory service for memory blocks,
// but no document and no plug-in module.
#pragma once

#include "app/Host.h"

class ToolSession {
 public:
  ToolSession() { fHost.Session().Start(); }

 private:
  Host fHost;
};
