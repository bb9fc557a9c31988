// The running host session: started once by the host application (or a test), ended at quit.
#pragma once

#include <functional>
#include <memory>

#include "ISession.h"

class Database;
class ISessionMemoryService;

namespace HostSession {

// Answers the session database that an earlier session saved, or null for a new one.
typedef std::function<std::unique_ptr<Database>()> WorkspaceOpener;

// Registers the host's own classes (once) and makes a new session current. loadPlugIns runs once
// the session exists (plug-ins register through it) and before the session's utilities,
// application and workspace are made, so that the add-ins of plug-ins reach them. The workspace
// is the root of the database openWorkspace answers, when its root is a session workspace, else
// of a new one. Answers the session; a session that is running already is returned as it is.
ISession* Start(const std::function<void()>& loadPlugIns = {},
                const WorkspaceOpener& openWorkspace = {});
// Ends the current session, releasing it; GetExecutionContextSession answers null afterwards.
void End();
// The database of the session's workspace (the application preferences live there), or null.
Database* WorkspaceDatabase();
// The memory service of the current session, or null.
ISessionMemoryService* MemoryService();

}  // namespace HostSession
