// The running host session: started once by the host application (or a test), ended at quit.
#pragma once

#include <functional>

#include "ISession.h"

class ISessionMemoryService;

namespace HostSession {

// Registers the host's own classes (once) and makes a new session current. loadPlugIns runs once
// the session exists (plug-ins register through it) and before the session's utilities,
// application and workspace are made, so that the add-ins of plug-ins reach them. Answers the
// session; a session that is running already is returned as it is.
ISession* Start(const std::function<void()>& loadPlugIns = {});
// Ends the current session, releasing it; GetExecutionContextSession answers null afterwards.
void End();
// The memory service of the current session, or null.
ISessionMemoryService* MemoryService();

}  // namespace HostSession
