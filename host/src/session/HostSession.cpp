#include "HostSession.h"

#include <utility>

#include "CPMUnknown.h"
#include "CreateObject.h"
#include "HostIDs.h"
#include "IApplication.h"
#include "ISessionMemoryService.h"
#include "IWorkspace.h"
#include "InterfacePtr.h"
#include "SessionMemoryService.h"
#include "UtilsBoss.h"
#include "app/Host.h"
#include "database/Database.h"
#include "objectmodel/Boss.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

// The session's objects belong to the current host.
HostSession* CurrentSession() {
  Host* host = Host::Current();
  return host ? &host->Session() : nullptr;
}

class Session : public CPMUnknown<ISession> {
 public:
  explicit Session(IPMUnknown* boss) : CPMUnknown(boss) {}

  IApplication* QueryApplication() const override {
    IApplication* application = CurrentSession()->Application();
    if (application) application->AddRef();
    return application;
  }
  IWorkspace* QueryWorkspace() const override {
    IWorkspace* workspace = CurrentSession()->Workspace();
    if (workspace) workspace->AddRef();
    return workspace;
  }
};

class Application : public CPMUnknown<IApplication> {
 public:
  explicit Application(IPMUnknown* boss) : CPMUnknown(boss) {}
};

class Workspace : public CPMUnknown<IWorkspace> {
 public:
  explicit Workspace(IPMUnknown* boss) : CPMUnknown(boss) {}
};

HostClassRegistrar gSessionClasses([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<Session>(kSessionImpl));
  model.RegisterImplementation(MakeHostFactory<SessionMemoryService>(kSessionMemoryServiceImpl));
  model.RegisterImplementation(MakeHostFactory<Application>(kApplicationImpl));
  model.RegisterImplementation(MakeHostFactory<Workspace>(kSessionWorkspaceImpl));
  model.DefineClass(
      kSessionBoss, kInvalidClass,
      {{IID_ISESSION, kSessionImpl}, {IID_ISESSIONMEMORYSERVICE, kSessionMemoryServiceImpl}});
  model.DefineClass(kUtilsBoss, kInvalidClass, {});
  model.DefineClass(kApplicationBoss, kInvalidClass, {{IID_IAPPLICATION, kApplicationImpl}});
  model.DefineClass(kSessionWorkspaceBoss, kInvalidClass,
                    {{IID_IWORKSPACE, kSessionWorkspaceImpl}});
});

// Forgets the object before releasing it, so that nothing reaches it while it goes.
template <class T>
void ReleaseObject(T*& object) {
  T* held = std::exchange(object, nullptr);
  if (held) held->Release();
}

}  // namespace

ISession* GetExecutionContextSession() {
  HostSession* session = CurrentSession();
  return session ? session->Get() : nullptr;
}

IPMUnknown* UtilsBoss::QueryUtils(PMIID utilityID) {
  HostSession* session = CurrentSession();
  return session ? session->QueryUtils(utilityID) : nullptr;
}

ISession* HostSession::Start(const std::function<void()>& loadPlugIns,
                             const WorkspaceOpener& openWorkspace) {
  if (fSession) return fSession;
  fSession = static_cast<ISession*>(CreateObject(kSessionBoss, IID_ISESSION));
  if (!fSession) return nullptr;
  if (loadPlugIns) loadPlugIns();
  // Made after every registration, plug-ins' add-ins included, has happened.
  fUtils = Boss::Create(kUtilsBoss);
  fApplication = static_cast<IApplication*>(CreateObject(kApplicationBoss, IID_IAPPLICATION));
  std::unique_ptr<Database> db = openWorkspace ? openWorkspace() : nullptr;
  if (!db || db->GetClass(db->GetRootUID()) != kSessionWorkspaceBoss) {
    db = std::make_unique<Database>(kSessionWorkspaceBoss);
  }
  fWorkspaceDatabase = db.release();
  fWorkspace = static_cast<IWorkspace*>(
      fWorkspaceDatabase->Instantiate(fWorkspaceDatabase->GetRootUID(), IID_IWORKSPACE));
  return fSession;
}

void HostSession::End() {
  if (!fSession) return;
  ReleaseObject(fWorkspace);
  delete std::exchange(fWorkspaceDatabase, nullptr);
  ReleaseObject(fApplication);
  ReleaseObject(fUtils);
  ReleaseObject(fSession);
}

IPMUnknown* HostSession::QueryUtils(PMIID utilityID) const {
  return fUtils ? fUtils->QueryInterface(utilityID) : nullptr;
}

ISessionMemoryService* HostSession::MemoryService() const {
  if (!fSession) return nullptr;
  InterfacePtr<ISessionMemoryService> service(fSession, IID_ISESSIONMEMORYSERVICE);
  return service.get();  // the session keeps the service alive
}
