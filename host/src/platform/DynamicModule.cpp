#include <dlfcn.h>

#include "Platform.h"

namespace Platform {

const char kPlugInSuffix[] = ".pln";

std::unique_ptr<DynamicModule> DynamicModule::Load(const std::string& path, std::string* error) {
  // Symbols stay private to the module: plug-ins share nothing but the host's library.
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* message = dlerror();
    if (error) *error = message ? message : "the module cannot be loaded";
    return nullptr;
  }
  return std::unique_ptr<DynamicModule>(new DynamicModule(handle));
}

DynamicModule::~DynamicModule() {
  if (!fKeepLoaded) dlclose(fHandle);
}

void* DynamicModule::FindSymbol(const char* name) const {
  return dlsym(fHandle, name);
}

}  // namespace Platform
