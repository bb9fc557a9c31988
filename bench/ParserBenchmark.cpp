// Parsing labels text into an entry block, in MB/s of text, next to the baseline of only
// converting the same text to 8-bit. Parsing changes its text (comments are cut), so each parse
// works on a fresh copy, made while the clock is stopped.
#include <benchmark/benchmark.h>

#include "LabelsText.h"
#include "app/Host.h"
#include "dataframe/parser/DataFrameParser.h"

namespace {

const PMString& TextOfLines(int lines) {
  static int cachedLines = -1;
  static PMString cached;
  if (lines != cachedLines) {
    cached = MakeLabelsText(lines);
    cachedLines = lines;
  }
  return cached;
}

void ConvertTo8Bit(benchmark::State& state) {
  const PMString& text = TextOfLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string bytes = text.GetPlatformString();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * text.CharCount());
}

void ParseLabels(benchmark::State& state) {
  const PMString& text = TextOfLines(static_cast<int>(state.range(0)));
  uint32 entries = 0;
  for (auto _ : state) {
    state.PauseTiming();
    PMString body = text;
    state.ResumeTiming();
    MemBlock block = nullptr;
    uint32 size = 0;
    ParseDataFrameEntries(body, kDataFrameTypeLabels, &block, &size);
    entries = static_cast<const DataFrameEntryBlock*>(block)->entryCount;
    FreeMemBlock(block);
  }
  state.SetBytesProcessed(state.iterations() * text.CharCount());
  state.counters["entries"] = entries;
}

BENCHMARK(ConvertTo8Bit)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ParseLabels)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  Host host;
  host.Session().Start();  // memory blocks come from the session's memory service
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
