// A host's session and the objects beside it: the utilities, the application and the session
// workspace with its database. The host starts it (Host::Start, or a test or tool that needs a
// session without plug-ins) and ends it at quit.
#pragma once

#include <functional>
#include <memory>

#include "ISession.h"

class Boss;
class Database;
class IApplication;
class ISessionMemoryService;
class IWorkspace;

class HostSession {
 public:
  // Answers the session database that an earlier session saved, or null for a new one.
  typedef std::function<std::unique_ptr<Database>()> WorkspaceOpener;

  HostSession() = default;
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Makes the session. loadPlugIns runs once the session exists (plug-ins register through it)
  // and before the utilities, application and workspace are made, so that the add-ins of
  // plug-ins reach them. The workspace is the root of the database openWorkspace answers, when
  // its root is a session workspace, else of a new one. Answers the session; a session that is
  // running already is returned as it is.
  ISession* Start(const std::function<void()>& loadPlugIns = {},
                  const WorkspaceOpener& openWorkspace = {});
  // Ends the session, releasing its objects.
  void End();

  // The session (not reference counted), or null when none is running.
  ISession* Get() const { return fSession; }
  IApplication* Application() const { return fApplication; }
  IWorkspace* Workspace() const { return fWorkspace; }
  // The utility interface with that identifier, with a reference added, or null.
  IPMUnknown* QueryUtils(PMIID utilityID) const;
  // The database of the session's workspace (the application preferences live there), or null.
  Database* WorkspaceDatabase() const { return fWorkspaceDatabase; }
  // The session's memory service, or null.
  ISessionMemoryService* MemoryService() const;

 private:
  // Each holds one reference.
  ISession* fSession = nullptr;
  Boss* fUtils = nullptr;
  IApplication* fApplication = nullptr;
  IWorkspace* fWorkspace = nullptr;
  // The session's own database: its root is the session workspace.
  Database* fWorkspaceDatabase = nullptr;
};
