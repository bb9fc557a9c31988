#include "ScriptManager.h"

#include <new>

#include "CreateObject.h"
#include "HostIDs.h"
#include "HostScriptElements.h"
#include "ISession.h"
#include "ScriptRun.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

ScriptManager::ScriptManager(IPMUnknown* boss) : CPMUnknown(boss) {
  for (const ScriptElement& element : HostScriptElements()) fRegistry.Add(element);
}

ScriptManager::~ScriptManager() = default;

InterfacePtr<ScriptManager> ScriptManager::OfSession() {
  return InterfacePtr<ScriptManager>(GetExecutionContextSession(), IID_ISCRIPTMANAGER);
}

IScriptProvider* ScriptManager::Provider(ClassID providerClass) {
  auto found = fProviders.find(providerClass);
  if (found != fProviders.end()) return found->second.get();
  InterfacePtr<IScriptProvider> provider(
      static_cast<IScriptProvider*>(CreateObject(providerClass, IID_ISCRIPTPROVIDER)));
  if (!provider) return nullptr;
  return fProviders.emplace(providerClass, std::move(provider)).first->second.get();
}

ScriptOutcome ScriptManager::Run(const std::string& name, const std::string& source,
                                 std::vector<ScriptDocument>& documents, const ScriptLimits& limits,
                                 const std::function<void(const std::string&)>& print) {
  struct RunDocumentsScope {
    std::vector<ScriptDocument>*& held;
    ~RunDocumentsScope() { held = nullptr; }
  } scope{fRunDocuments = &documents};
  ++fRunNumber;
  try {
    return ScriptRun(*this, limits, print).Execute(name, source);
  } catch (const std::bad_alloc&) {
    // The run's own needs outside the engine (its source, its undo step) could not be met; the
    // step, if it was begun, has been rolled back.
    ScriptOutcome outcome;
    outcome.completed = false;
    outcome.message = "the host ran out of memory";
    return outcome;
  }
}

std::vector<ScriptDocument>& ScriptManager::RunDocuments() {
  return fRunDocuments ? *fRunDocuments : fNoDocuments;
}

namespace {

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<ScriptManager>(kScriptManagerImpl));
  model.AddIn(kSessionBoss, {{IID_ISCRIPTMANAGER, kScriptManagerImpl}});
});

}  // namespace
