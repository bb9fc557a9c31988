// Whether the host ran out of memory. Many operations meet a refused allocation on a path that
// answers quietly (a null block, an object left unmade); the host counts every such refusal, so
// that whoever runs a larger operation (a command, an open, a request) can tell that part of it
// was not done and fail it whole.
#pragma once

#include "BaseType.h"

namespace MemoryShortage {

// Records one refused allocation.
HOST_API void Note();
// The refusals so far; compare two readings to learn whether memory ran out in between.
HOST_API uint64 Count();

}  // namespace MemoryShortage
