// Drawing a spread at zoom 1 into a PNG picture, with 25, 100 and 400 data frames on its two pages:
// each with a story of four lines, its look, its slug and its icon. The time should grow linearly
// with the frames, above the constant cost of the pasteboard and pages.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "DrawingFlags.h"
#include "IPageList.h"
#include "ISpreadList.h"
#include "InterfacePtr.h"
#include "PlugInBench.h"
#include "database/Database.h"
#include "display/DataFrameAdornments.h"
#include "document/DocumentFactory.h"
#include "document/LayoutCommands.h"
#include "drawing/CairoPort.h"
#include "drawing/SpreadDrawing.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagRecordSource.h"

namespace {

std::unique_ptr<Database> SpreadWithDataFrames(int32 count) {
  std::unique_ptr<Database> db = DocumentFactory::NewDocument(1, 2);
  InterfacePtr<IPageList> pages(db.get(), db->GetRootUID(), IID_IPAGELIST);
  WideString story;
  story.SetUTF8String("<dataframe type=\"labels\" scope=\"page\"/>\rSize:12\rColor:Red\rWood:Oak");
  for (int32 i = 0; i < count; ++i) {
    const PMReal x = (i % 10) * 120, y = (i / 10 % 20) * 38;
    const UIDRef frame = LayoutCommands::NewFrame(UIDRef(db.get(), pages->GetNthPageUID(i % 2)),
                                                  PMRect(x + 24, y + 24, x + 124, y + 56),
                                                  PMString("df"), kTrue, story);
    WriteTagRecord(frame, kTagRecordSourceItem, kDataFrameMarkerKey,
                   NewDataFrameMarker(PMString(("DF-" + std::to_string(i)).c_str()), 0),
                   kDataFrameMarkerSize);
    AttachDataFrameAdornments(frame);
  }
  return db;
}

void BM_DrawSpread(benchmark::State& state) {
  std::unique_ptr<Database> db = SpreadWithDataFrames(static_cast<int32>(state.range(0)));
  InterfacePtr<ISpreadList> spreads(db.get(), db->GetRootUID(), IID_ISPREADLIST);
  const UID spread = spreads->GetNthSpreadUID(0);
  const PMRect extent = SpreadDrawing::Extent(db.get(), spread, kDrawFrameEdges);
  for (auto _ : state) {
    std::unique_ptr<CairoPort> port =
        CairoPort::Create(CairoPort::Format::kPNG, static_cast<int32>(extent.Width()),
                          static_cast<int32>(extent.Height()), nullptr);
    SpreadDrawing::Draw(db.get(), spread,
                        DrawingContext(port.get(), 1, PMPoint(extent.Left(), extent.Top())),
                        kDrawFrameEdges);
  }
  state.counters["data_frames"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_DrawSpread)->Arg(25)->Arg(100)->Arg(400)->Apply(FastestOfFive);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarksInHost(argc, argv);
}
