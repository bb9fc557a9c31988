// The running host session: started once by the host application (or a test), ended at quit.
#pragma once

#include "ISession.h"

class ISessionMemoryService;

namespace HostSession {

// Registers the host's own classes (once) and makes a new session current. Answers the session;
// a session that is running already is returned as it is.
ISession* Start();
// Ends the current session, releasing it; GetExecutionContextSession answers null afterwards.
void End();
// The memory service of the current session, or null.
ISessionMemoryService* MemoryService();

}  // namespace HostSession
