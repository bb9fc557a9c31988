#include "PlugInBench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/Host.h"
#include "frame/PlugIn.h"

int RunBenchmarksInHost(int argc, char** argv,
                        const std::function<void(const FastestRuns&)>& afterRuns) {
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
  FastestRuns runs;
  benchmark::RunSpecifiedBenchmarks(&runs);
  benchmark::Shutdown();
  if (afterRuns) afterRuns(runs);
  return 0;
}
