// What the rest of the host knows of the platform besides its Env: the path separator, and the
// running program's own file (which the platform calls of PlatformCalls.h need before any host
// exists).
#pragma once

#include <string>

namespace Platform {

// The path separator of file paths.
constexpr char kPathSeparator = '/';

// The full path of the running program's file ("" when unknown).
std::string ExecutablePath();

// Whether the program's standard input is a terminal, at which a person types.
bool StandardInputIsTerminal();

}  // namespace Platform
