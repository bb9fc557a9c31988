#include "HostSession.h"

#include "CPMUnknown.h"
#include "HostIDs.h"
#include "ISessionMemoryService.h"
#include "InterfacePtr.h"
#include "SessionMemoryService.h"
#include "UtilsBoss.h"
#include "objectmodel/Boss.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class Session : public CPMUnknown<ISession> {
 public:
  explicit Session(IPMUnknown* boss) : CPMUnknown(boss) {}
};

ISession* gSession = nullptr;
Boss* gUtils = nullptr;

HostClassRegistrar gSessionClasses([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<Session>(kSessionImpl));
  model.RegisterImplementation(MakeHostFactory<SessionMemoryService>(kSessionMemoryServiceImpl));
  model.DefineClass(kSessionBoss, kInvalidClass,
                    {{IID_ISESSION, kSessionImpl},
                     {IID_ISESSIONMEMORYSERVICE, kSessionMemoryServiceImpl}});
  model.DefineClass(kUtilsBoss, kInvalidClass, {});
});

}  // namespace

ISession* GetExecutionContextSession() { return gSession; }

IPMUnknown* UtilsBoss::QueryUtils(PMIID utilityID) {
  return gUtils ? gUtils->QueryInterface(utilityID) : nullptr;
}

namespace HostSession {

ISession* Start() {
  if (gSession) return gSession;
  HostClassRegistrar::RegisterAll(ObjectModel::Get());
  Boss* boss = Boss::Create(kSessionBoss);
  if (!boss) return nullptr;
  gSession = static_cast<ISession*>(boss->QueryInterface(IID_ISESSION));
  boss->Release();  // the session interface now holds the one reference
  // The utilities are made after every registration, plug-ins' add-ins included, has happened.
  gUtils = Boss::Create(kUtilsBoss);
  return gSession;
}

void End() {
  if (!gSession) return;
  if (gUtils) gUtils->Release();
  gUtils = nullptr;
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
