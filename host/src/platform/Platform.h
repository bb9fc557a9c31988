// The host's platform layer: everything that depends on the operating system. The rest of the
// host, and the plug-ins through PlatformCalls.h, reach the system only through here.
#pragma once

#include <memory>
#include <string>

#include "BaseType.h"

namespace Platform {

// A loaded dynamic module; unloading it is the destructor's.
class DynamicModule {
 public:
  // Loads the module at path, or answers null and describes why in error.
  static std::unique_ptr<DynamicModule> Load(const std::string& path, std::string* error);
  ~DynamicModule();
  DynamicModule(const DynamicModule&) = delete;
  DynamicModule& operator=(const DynamicModule&) = delete;

  // The address of an exported symbol, or null.
  void* FindSymbol(const char* name) const;
  // Keeps the module mapped until the process ends, for a module that must not be unloaded.
  void KeepLoaded() { fKeepLoaded = true; }

 private:
  explicit DynamicModule(void* handle) : fHandle(handle) {}
  void* fHandle;
  bool fKeepLoaded = false;
};

// The file name suffix of plug-in modules, dot included.
extern const char kPlugInSuffix[];

// The path separator of file paths.
constexpr char kPathSeparator = '/';

// The full path of the running program's file, and the folder that holds it ("" when unknown).
std::string ExecutablePath();
std::string ExecutableFolder();
// The user's folder for roaming application data.
std::string UserRoamingFolder();

}  // namespace Platform
