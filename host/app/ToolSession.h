// The host session a tool command runs in: the tools need the session's memory service for
// memory blocks, but no document and no plug-in module.
#pragma once

#include "session/HostSession.h"

class ToolSession {
 public:
  ToolSession() { HostSession::Start(); }
  ~ToolSession() { HostSession::End(); }
  ToolSession(const ToolSession&) = delete;
  ToolSession& operator=(const ToolSession&) = delete;
};
