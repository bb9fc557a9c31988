#include "HostSession.h"

#include <memory>
#include <utility>

#include "CPMUnknown.h"
#include "HostIDs.h"
#include "IApplication.h"
#include "ISessionMemoryService.h"
#include "IWorkspace.h"
#include "InterfacePtr.h"
#include "SessionMemoryService.h"
#include "UtilsBoss.h"
#include "database/Database.h"
#include "objectmodel/Boss.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"
#include "ui/AlertLog.h"

namespace {

// The session's objects beside the session itself; each holds one reference.
ISession* gSession = nullptr;
Boss* gUtils = nullptr;
IApplication* gApplication = nullptr;
IWorkspace* gWorkspace = nullptr;
// The session's own database: its root is the session workspace.
Database* gWorkspaceDatabase = nullptr;

class Session : public CPMUnknown<ISession> {
 public:
  explicit Session(IPMUnknown* boss) : CPMUnknown(boss) {}

  IApplication* QueryApplication() const override {
    if (gApplication) gApplication->AddRef();
    return gApplication;
  }
  IWorkspace* QueryWorkspace() const override {
    if (gWorkspace) gWorkspace->AddRef();
    return gWorkspace;
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

// An interface of a new object of the class, holding the object's one reference; null when the
// class or the interface is missing.
template <class T>
T* CreateObject(ClassID classID, PMIID interfaceID) {
  Boss* boss = Boss::Create(classID);
  if (!boss) return nullptr;
  auto* object = static_cast<T*>(boss->QueryInterface(interfaceID));
  boss->Release();
  return object;
}

// Forgets the object before releasing it, so that nothing reaches it while it goes.
template <class T>
void ReleaseObject(T*& object) {
  T* held = object;
  object = nullptr;
  if (held) held->Release();
}

}  // namespace

ISession* GetExecutionContextSession() {
  return gSession;
}

IPMUnknown* UtilsBoss::QueryUtils(PMIID utilityID) {
  return gUtils ? gUtils->QueryInterface(utilityID) : nullptr;
}

namespace HostSession {

ISession* Start(const std::function<void()>& loadPlugIns, const WorkspaceOpener& openWorkspace) {
  if (gSession) return gSession;
  HostClassRegistrar::RegisterAll(ObjectModel::Get());
  AlertLog::Clear();
  gSession = CreateObject<ISession>(kSessionBoss, IID_ISESSION);
  if (!gSession) return nullptr;
  if (loadPlugIns) loadPlugIns();
  // Made after every registration, plug-ins' add-ins included, has happened.
  gUtils = Boss::Create(kUtilsBoss);
  gApplication = CreateObject<IApplication>(kApplicationBoss, IID_IAPPLICATION);
  std::unique_ptr<Database> db = openWorkspace ? openWorkspace() : nullptr;
  if (!db || db->GetClass(db->GetRootUID()) != kSessionWorkspaceBoss) {
    db = std::make_unique<Database>(kSessionWorkspaceBoss);
  }
  gWorkspaceDatabase = db.release();
  gWorkspace = static_cast<IWorkspace*>(
      gWorkspaceDatabase->Instantiate(gWorkspaceDatabase->GetRootUID(), IID_IWORKSPACE));
  return gSession;
}

void End() {
  if (!gSession) return;
  ReleaseObject(gWorkspace);
  delete std::exchange(gWorkspaceDatabase, nullptr);
  ReleaseObject(gApplication);
  ReleaseObject(gUtils);
  ReleaseObject(gSession);
}

Database* WorkspaceDatabase() {
  return gWorkspaceDatabase;
}

ISessionMemoryService* MemoryService() {
  if (!gSession) return nullptr;
  InterfacePtr<ISessionMemoryService> service(gSession, IID_ISESSIONMEMORYSERVICE);
  return service.get();  // the session keeps the service alive
}

}  // namespace HostSession
