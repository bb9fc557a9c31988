// The few operating-system calls that plug-ins make directly, with the types they are declared
// with on the host's reference platform. The stand-in host implements them in its platform layer
// (host/src/platform), the one place that knows the operating system.
#pragma once

#include "BaseType.h"

typedef int32 BOOL;
typedef uint32 DWORD;
typedef uint32 UINT;
typedef char16_t WCHAR;
// Names a loaded module: any address inside it.
typedef const void* HMODULE;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
// The longest path, in wide characters, that the platform's fixed path buffers hold.
constexpr DWORD MAX_PATH = 260;

// Reasons for which a module's process entry is called.
constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;

typedef BOOL (*ProcessEntryProc)(HMODULE module, DWORD reason, void* reserved);

// Copies the full path of the module's file into the buffer, NUL-terminated, and answers the
// number of characters copied without the NUL. A path that does not fit is cut to size - 1
// characters and the answer is size. 0 when the module is unknown or the buffer has no room.
HOST_API DWORD GetModuleFileNameW(HMODULE module, WCHAR* fileName, DWORD size);

// Sounds the system beep of the given kind (0 is the default beep). The stand-in host counts
// beeps instead of sounding them.
HOST_API BOOL MessageBeep(UINT type);

// Calls the module's process entry with DLL_PROCESS_ATTACH once the module's static objects are
// built, and with DLL_PROCESS_DETACH when it is unloaded. Use once per module, at namespace scope.
#define PLATFORM_PROCESS_ENTRY(entry)                         \
  namespace {                                                 \
  const char gProcessEntryAnchor = 0;                         \
  __attribute__((constructor)) void ProcessAttach() {         \
    entry(&gProcessEntryAnchor, DLL_PROCESS_ATTACH, nullptr); \
  }                                                           \
  __attribute__((destructor)) void ProcessDetach() {          \
    entry(&gProcessEntryAnchor, DLL_PROCESS_DETACH, nullptr); \
  }                                                           \
  }

// Marks a static object that the process entry uses, so that it is built before the entry runs
// (static objects of a module are otherwise built in no fixed order with the entry).
#define PLATFORM_INIT_FIRST __attribute__((init_priority(101)))
