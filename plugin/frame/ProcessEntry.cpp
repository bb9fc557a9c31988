// The module's process entry: on attach it records where the module's own file lies, which is
// where its resources are.
#include <string>

#include "PlatformCalls.h"
#include "WBaseResourceAccess.h"

namespace {

BOOL VantelleProcessEntry(HMODULE module, DWORD reason, void*) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  WCHAR path[MAX_PATH];
  DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length >= MAX_PATH) length = MAX_PATH - 1;  // a path cut to fit the buffer
  WBaseResourceAccess::ResourceFileInfo.file = IDFile(PMString(std::u16string(path, length)));
  WBaseResourceAccess::ResourceFileInfo.reserved1 = 0;
  WBaseResourceAccess::ResourceFileInfo.reserved2 = 0;
  return TRUE;
}

}  // namespace

PLATFORM_PROCESS_ENTRY(VantelleProcessEntry)
