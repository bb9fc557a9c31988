#include "HostSession.h"

#include "CPMUnknown.h"
#include "HostIDs.h"
#include "ISessionMemoryService.h"
#include "InterfacePtr.h"
#include "SessionMemoryService.h"
#include "objectmodel/Boss.h"
#include "objectmodel/HostFactory.h"

namespace {

class Session : public CPMUnknown<ISession> {
 public:
  explicit Session(IPMUnknown* boss) : CPMUnknown(boss) {}
};

ISession* gSession = nullptr;

void RegisterHostClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  ObjectModel& model = ObjectModel::Get();
  model.RegisterImplementation(MakeHostFactory<Session>(kSessionImpl));
  model.RegisterImplementation(MakeHostFactory<SessionMemoryService>(kSessionMemoryServiceImpl));
  model.DefineClass(kSessionBoss, kInvalidClass,
                    {{IID_ISESSION, kSessionImpl},
                     {IID_ISESSIONMEMORYSERVICE, kSessionMemoryServiceImpl}});
}

}  // namespace

ISession* GetExecutionContextSession() { return gSession; }

namespace HostSession {

ISession* Start() {
  if (gSession) return gSession;
  RegisterHostClasses();
  Boss* boss = Boss::Create(kSessionBoss);
  if (!boss) return nullptr;
  gSession = static_cast<ISession*>(boss->QueryInterface(IID_ISESSION));
  boss->Release();  // the session interface now holds the one reference
  return gSession;
}

void End() {
  if (!gSession) return;
  ISession* session = gSession;
  gSession = nullptr;
  session->Release();
}

ISessionMemoryService* MemoryService() {
  if (!gSession) return nullptr;
  InterfacePtr<ISessionMemoryService> service(gSession, IID_ISESSIONMEMORYSERVICE);
  return service.get();  // the session keeps the service alive
}

}  // namespace HostSession
