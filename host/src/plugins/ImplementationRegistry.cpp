// The session's registration interface (260), through which plug-ins register implementations.
#include "CPMUnknown.h"
#include "HostIDs.h"
#include "IImplementationRegistry.h"
#include "app/Host.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class ImplementationRegistry : public CPMUnknown<IImplementationRegistry> {
 public:
  explicit ImplementationRegistry(IPMUnknown* boss) : CPMUnknown(boss) {}

  bool16 RegisterImplementation(PluginID pluginID, ImplementationID implementationID,
                                CreateImplementationProc create, DestroyImplementationProc destroy,
                                ImplementationSizeProc size, ReadWriteImplementationProc readWrite,
                                uintptr_t, uintptr_t) override {
    Host& host = Host::Get();
    std::string subject = "plug-in " + LoadReport::HexID(pluginID);
    if (pluginID == kHostPluginID) {
      host.Report().Add(subject, "registers under the host's own plug-in ID");
      return kFalse;
    }
    if (!create || !destroy || !size) {
      host.Report().Add(
          subject, "implementation " + LoadReport::HexID(implementationID) + " lacks a function");
      return kFalse;
    }
    ImplementationFactory factory;
    factory.plugin = pluginID;
    factory.id = implementationID;
    factory.create = create;
    factory.destroy = destroy;
    factory.size = size;
    factory.readWrite = readWrite;
    if (!host.Model().RegisterImplementation(factory)) {
      host.Report().Add(subject, "implementation " + LoadReport::HexID(implementationID) +
                                     " is registered already");
      return kFalse;
    }
    return kTrue;
  }
};

HostClassRegistrar gRegistryClasses([](ObjectModel& model) {
  model.RegisterImplementation(
      MakeHostFactory<ImplementationRegistry>(kImplementationRegistryImpl));
  model.AddIn(kSessionBoss, {{IID_IIMPLEMENTATIONREGISTRY, kImplementationRegistryImpl}});
});

}  // namespace
