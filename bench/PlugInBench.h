// The main of a benchmark program that runs the plug-in's code inside a started host, with the
// resources of the module built from the same sources.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>

// Starts the host, runs the benchmarks the command line selects, calls beforeQuit (to drop what
// the benchmarks built, which must be gone before the host quits) and quits. Answers the exit
// code.
int RunBenchmarksInHost(int argc, char** argv, const std::function<void()>& beforeQuit = {});

// Five repetitions in milliseconds with their fastest, the truest figure on a machine shared with
// other work: BENCHMARK(BM_Something)->Arg(100)->Apply(FastestOfFive).
void FastestOfFive(benchmark::internal::Benchmark* benchmark);
