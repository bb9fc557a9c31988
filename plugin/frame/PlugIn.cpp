#include "frame/PlugIn.h"

#include "IImplementationRegistry.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "frame/ImplementationRegistration.h"
#include "frame/WResourceAccess.h"

namespace {
PlugIn gPlugIn;
}  // namespace

extern "C" IPlugIn* GetPlugIn() {
  return &gPlugIn;
}

IDFile PlugIn::GetResourceFile() const {
  WResourceAccess access(fPluginID, WBaseResourceAccess::ResourceFileInfo);
  return access.GetResourceFile();
}

void PlugIn::Register(PluginID pluginID) {
  ISession* session = GetExecutionContextSession();
  if (!session) return;
  InterfacePtr<IImplementationRegistry> registry(session, IImplementationRegistry::kDefaultIID);
  if (!registry) return;
  for (const ImplementationRegistration* r = ImplementationRegistration::Head(); r; r = r->next) {
    registry->RegisterImplementation(pluginID, r->implementationID, r->create, r->destroy, r->size,
                                     r->readWrite, r->reserved[0], r->reserved[1]);
  }
}
