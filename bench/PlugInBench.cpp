#include "PlugInBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Host.h"
#include "frame/PlugIn.h"

int RunBenchmarksInHost(int argc, char** argv, const std::function<void()>& beforeQuit) {
  const std::string folder = std::filesystem::temp_directory_path() / "vantelle-bench";
  std::filesystem::create_directories(folder);
  Host host;
  if (!host.StartWith({"", folder, folder}, [&host] {
        return host.PlugIns().AdoptLinkedPlugIn(GetPlugIn(),
                                                IDFile::FromUTF8(VANTELLE_MODULE_PATH));
      })) {
    std::fprintf(stderr, "the host could not start\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (beforeQuit) beforeQuit();
  return 0;
}

void FastestOfFive(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMillisecond)
      ->Repetitions(5)
      ->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
      });
}
