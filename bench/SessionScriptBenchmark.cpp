// Whole runs of `vantelle run` on scripts that grow a document step by step: typing 10,000
// characters at a time into one story, and making graphic frames on one page. Every step is an
// undo step, so these show what undo keeps: time should grow linearly with the steps and memory
// stay well within 300 MB at the largest size. Each run is a process of its own; peak_MB is its
// largest resident size and cpu_ms the processor time it took (steadier than the real time on a
// busy machine).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

extern char** environ;

namespace {

struct Usage {
  double peakMegabytes = 0;
  double cpuMilliseconds = 0;
};

double Milliseconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Runs the script; false when it could not run or failed.
bool RunScript(const std::string& script, Usage& used) {
  const char* argv[] = {VANTELLE_PROGRAM, "run", script.c_str(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, VANTELLE_PROGRAM, nullptr, nullptr, const_cast<char**>(argv), environ) !=
      0) {
    return false;
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return false;
  }
  used.peakMegabytes = std::max(used.peakMegabytes, static_cast<double>(usage.ru_maxrss) / 1024.0);
  used.cpuMilliseconds += Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
  return true;
}

void RunSession(benchmark::State& state, const std::string& name,
                const std::function<void(std::ofstream&, int64_t)>& writeSteps) {
  const std::string script =
      (std::filesystem::temp_directory_path() / ("vantelle-bench-" + name + ".vts")).string();
  {
    std::ofstream out(script);
    out << "new-document\n";
    writeSteps(out, state.range(0));
  }
  Usage used;
  for (auto _ : state) {
    if (!RunScript(script, used)) {
      state.SkipWithError("vantelle run failed");
      break;
    }
  }
  std::filesystem::remove(script);
  state.counters["peak_MB"] = used.peakMegabytes;
  state.counters["cpu_ms"] =
      benchmark::Counter(used.cpuMilliseconds, benchmark::Counter::kAvgIterations);
  state.SetComplexityN(state.range(0));
}

void BM_TypeIntoOneStory(benchmark::State& state) {
  RunSession(state, "type", [](std::ofstream& out, int64_t steps) {
    out << "text-frame A page=1\n";
    const std::string words(9999, 'a');
    for (int64_t i = 0; i < steps; ++i) out << "type A \"" << words << " \"\n";
  });
}
BENCHMARK(BM_TypeIntoOneStory)
    ->Arg(60)
    ->Arg(600)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

void BM_GraphicFramesOnOnePage(benchmark::State& state) {
  RunSession(state, "frames", [](std::ofstream& out, int64_t steps) {
    for (int64_t i = 0; i < steps; ++i) out << "graphic-frame F" << i << " page=1\n";
  });
}
BENCHMARK(BM_GraphicFramesOnOnePage)
    ->Arg(4000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
