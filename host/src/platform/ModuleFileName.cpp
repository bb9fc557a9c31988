#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <string>

#include "PMString.h"
#include "Platform.h"
#include "PlatformCalls.h"

DWORD GetModuleFileNameW(HMODULE module, WCHAR* fileName, DWORD size) {
  if (!fileName || size == 0) return 0;
  Dl_info info;
  link_map* map = nullptr;
  if (!dladdr1(module, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) || !map) return 0;
  // The loader names the main program only as it was invoked; ask the system for its full path.
  std::string path =
      map->l_name && map->l_name[0] ? std::string(map->l_name) : Platform::ExecutablePath();
  if (!path.empty() && path[0] != Platform::kPathSeparator) {
    std::error_code error;
    path = std::filesystem::absolute(path, error).string();
  }
  PMString wide;
  if (path.empty() || !wide.SetUTF8String(path)) return 0;
  const std::u16string& units = wide.GetUTF16();
  DWORD copied = units.size() < size ? static_cast<DWORD>(units.size()) : size - 1;
  units.copy(fileName, copied);
  fileName[copied] = 0;
  return copied < units.size() ? size : copied;
}
