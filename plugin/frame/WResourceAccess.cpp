#include "frame/WResourceAccess.h"

#include "PlatformCalls.h"

// Built before the process entry writes it.
WBaseResourceAccess::FileInfo WBaseResourceAccess::ResourceFileInfo PLATFORM_INIT_FIRST;

WResourceAccess::~WResourceAccess() = default;
