#include "FastestRuns.h"

#include <algorithm>

void FastestRuns::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    // Single runs, and the "min" of repeated ones when only aggregates are reported.
    const bool fastest = run.run_type == Run::RT_Iteration || run.aggregate_name == "min";
    if (!fastest || run.error_occurred) continue;
    const double seconds =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    const std::string key = run.run_name.function_name + "/" + run.run_name.args;
    auto found = fFastest.find(key);
    fFastest[key] = found == fFastest.end() ? seconds : std::min(found->second, seconds);
  }
  ConsoleReporter::ReportRuns(runs);
}

double FastestRuns::Seconds(const std::string& name, const std::string& argument) const {
  auto found = fFastest.find(name + "/" + argument);
  return found == fFastest.end() ? 0 : found->second;
}

void FastestOfFive(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMillisecond)
      ->Repetitions(5)
      ->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
      });
}
