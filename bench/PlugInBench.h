// The main of a benchmark program that runs the plug-in's code inside a started host, with the
// resources of the module built from the same sources.
#pragma once

#include <functional>

#include "FastestRuns.h"

// Starts the host, runs the benchmarks the command line selects, calls afterRuns with their
// fastest times (to print ratios and to drop what the benchmarks built, which must be gone before
// the host quits) and quits. Answers the exit code.
int RunBenchmarksInHost(int argc, char** argv,
                        const std::function<void(const FastestRuns&)>& afterRuns = {});
