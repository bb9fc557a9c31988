// A console reporter that also keeps the fastest time of each benchmark and argument, so that a
// benchmark program can print the ratios its goals are stated in.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Five repetitions in milliseconds with their fastest, the truest figure on a machine shared with
// other work: BENCHMARK(BM_Something)->Arg(100)->Apply(FastestOfFive).
void FastestOfFive(benchmark::internal::Benchmark* benchmark);

class FastestRuns : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;

  // The fastest processor time, in seconds, of the benchmark with the argument; 0 when it did
  // not run.
  double Seconds(const std::string& name, const std::string& argument) const;

 private:
  std::map<std::string, double> fFastest;  // "name/argument"
};
