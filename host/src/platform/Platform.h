// What the rest of the host knows of the platform besides its Env: the path separator, the
// running program's own file (which the platform calls of PlatformCalls.h need before any host
// exists), the terminal, and advice on large buffers.
#pragma once

#include <cstddef>
#include <string>

namespace Platform {

// The path separator of file paths.
constexpr char kPathSeparator = '/';

// The full path of the running program's file ("" when unknown).
std::string ExecutablePath();

// Whether the program's standard input is a terminal, at which a person types.
bool StandardInputIsTerminal();

// Asks the system to back a buffer of several MiB with large pages, written at once when first
// touched: a buffer that is filled from one end to the other then costs one page fault every
// 2 MiB instead of every 4 KiB, which is a sixth of the time of reading and parsing a large text.
// Does nothing for a smaller buffer, and changes nothing a program can see.
void PreferLargePages(void* start, size_t size);

}  // namespace Platform
