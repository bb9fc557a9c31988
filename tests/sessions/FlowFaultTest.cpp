// Whole session flows under every kind of failure (see support/FaultLoop.h): every allocation of
// the memory service and every operator new fails in turn, and for the flows that touch files
// every file read, write, sync and rename; each time the flow either does all it did without the
// failure or reports failure and leaves the document and its files as they were (no temporary
// file left beside them), leaking nothing and leaving no change scope open.
#include <cstdio>

#include "database/ChangeScope.h"
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "frame/ModuleSettings.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"

namespace {

constexpr Fault kEveryFault[] = {Fault::kMemoryBlock, Fault::kOperatorNew, Fault::kRead,
                                 Fault::kWrite,       Fault::kSync,        Fault::kRename};

constexpr char kFrames[] =
    "new-document spreads=2\n"
    "text-frame A page=1 text=\"Size:12\"\n"
    "graphic-frame B page=1\n"
    "set-tagdata A 0000000C00000001000000044B4559315A5A5A5A\n";
constexpr char kRetagged[] =
    "new-document\n"
    "graphic-frame A page=1\n"
    "set-tagdata A 0000000C00000001000000044B4559315A5A5A5A\n"
    "set-tagdata A 00000000000000010000000000000000\n";
constexpr char kAssigned[] =
    "new-document\n"
    "text-frame A page=1 text=old\n"
    "dialog text 0x18291A SKU-1 ok\n"
    "request 1350 A\n";
constexpr char kDataFrames[] =
    "new-document spreads=2\n"
    "text-frame A page=1 text=\"old\"\n"
    "text-frame D page=2\n"
    "text-frame B page=1\n"
    "save /earlier.vtd\n"
    "set-tagdata A 0000000C00000001000000044B4559315A5A5A5A\n"
    "request 1354 A frame-id=SKU-1 type=0 name=Prices scope=1 match-name=0 match-frame-id=0 "
    "hint=1\n"
    "type A \"Size:12\\rColor,Red\"\n"
    "request 1354 D frame-id=DOC type=0 name= scope=3 match-name=0 match-frame-id=0 hint=0\n"
    "type D \"Maker:Acme\"\n"
    "save /frames.vtd\n";

constexpr char kDrawing[] =
    "new-document\n"
    "text-frame A page=1 text=\"Size:12\"\n"
    "request 1354 A frame-id=A-1 type=0 name=Prices scope=1 match-name=0 match-frame-id=0 hint=0\n"
    "transform A -1,0,0,1,136,86\n"
    "render /spread.png zoom=0.1\n";

struct Flow {
  const char* name;
  const char* prelude;
  const char* lines;
  const char* file;  // a file the flow writes, part of its state; null for none
};

const Flow kFlows[] = {
    {"open and save", kDataFrames, "open /frames.vtd\nsave /earlier.vtd\n", "/earlier.vtd"},
    {"new frame", kFrames, "text-frame N page=2 text=\"new\"\n", nullptr},
    {"group", kFrames, "group G A B\n", nullptr},
    {"typing", kFrames, "type A \"\\rColor,Red\"\n", nullptr},
    {"set tag data", kFrames, "set-tagdata A 0000000C00000001000000044B45593141424344\n", nullptr},
    {"assign", kFrames,
     "request 1354 A frame-id=SKU-1 type=1 name=Prices scope=1 match-name=0 match-frame-id=0 "
     "hint=1\n",
     nullptr},
    {"dialog OK", kFrames, "dialog text 0x18291A SKU-1 select 0x182918 1 ok\nrequest 1350 A\n",
     nullptr},
    {"preferences OK", kFrames, "dialog ok\naction 0x182904\n",
     "/roaming/Corbelin/Config/QRV Vantelle Module.prf"},
    {"clear", kDataFrames, "request 1351 A\n", nullptr},
    {"read entries", kDataFrames, "request 1353 B type=0\n", nullptr},
    {"describe", kDataFrames, "request 1352 A\n", nullptr},
    {"undo", kRetagged, "undo\n", nullptr},
    {"undo an assignment", kAssigned, "undo\n", nullptr},
    {"draw and render", kDrawing, "draw A\npainted-bounds A\nrender /spread.png zoom=0.1\n",
     nullptr},
    {"script", kFrames,
     "script-eval \"var a = app.activeDocument.pageItems.itemByName('A'); "
     "print(a.vantelleTagData); "
     "a.vantelleTagData = '0000000A 00000001 00000002 41514D31 0100'; a.contents = 'new'\"\n",
     nullptr},
};

class FlowFaultTest : public PlugInHostTest {
 protected:
  // The session flow, its state with the bytes of its file and the names beside it added, and no
  // scope left open by it.
  FaultFlow FlowOf(const Flow& f) {
    FaultFlow flow = SessionFlow(f.prelude, f.lines);
    flow.run = [run = flow.run] {
      const bool succeeded = run();
      EXPECT_FALSE(ChangeScope::IsOpen()) << "a change scope is left open";
      return succeeded;
    };
    if (!f.file) return flow;
    flow.state = [this, path = std::string(f.file), document = flow.state] {
      std::vector<uint8> state = document(), file;
      EXPECT_TRUE(ReadWholeFile(Files(), path, 1 << 20, &file, nullptr));
      state.insert(state.end(), file.begin(), file.end());
      std::vector<std::string> names;
      Files().ListFolder("/", &names, nullptr);
      for (const std::string& name : names) state.insert(state.end(), name.begin(), name.end());
      return state;
    };
    return flow;
  }
};

TEST_F(FlowFaultTest, EveryFlowSurvivesEveryFailure) {
  FaultLoopCount total;
  for (const Flow& f : kFlows) {
    SCOPED_TRACE(f.name);
    const FaultFlow flow = FlowOf(f);
    for (Fault fault : kEveryFault) {
      if (!f.file && fault != Fault::kMemoryBlock && fault != Fault::kOperatorNew) continue;
      const FaultLoopCount count = RunFaultLoop(Faults(), fault, flow);
      total.points += count.points;
      total.failures += count.failures;
    }
  }
  std::printf("fault loop: %llu points, %llu reported failures\n",
              static_cast<unsigned long long>(total.points),
              static_cast<unsigned long long>(total.failures));

  // A good file that cannot be held for want of memory is no damaged file.
  FaultFlow make = SessionFlow(kDataFrames, "");
  make.setUp();
  std::string error;
  Memory()->FailAllocation(1);
  EXPECT_FALSE(DocumentFactory::OpenDocument(IDFile::FromUTF8("/frames.vtd"), &error));
  EXPECT_EQ(error, "/frames.vtd: out of memory");
  make.tearDown();
}

// The settings file at start-up: one of an earlier format is replaced whole by the defaults or,
// when that cannot be written, left whole, and no temporary file stays beside it.
TEST_F(FlowFaultTest, StartUpSettings) {
  constexpr char kFolder[] = "/roaming/Corbelin/Config";
  constexpr char kFile[] = "/roaming/Corbelin/Config/QRV Vantelle Module.prf";
  const std::vector<uint8> defaults(ModuleSettingsRecord(),
                                    ModuleSettingsRecord() + kModuleSettingsSize);
  std::vector<uint8> earlier = defaults;
  earlier[32] = 1;  // format version 1
  auto file = [this, kFile] {
    std::vector<uint8> bytes;
    ReadWholeFile(Files(), kFile, kModuleSettingsSize, &bytes, nullptr);
    return bytes;
  };
  FaultFlow flow;
  flow.setUp = [&] {
    ASSERT_TRUE(WriteFileAtomically(Files(), kFile, earlier.data(), earlier.size(), nullptr));
  };
  flow.run = [] { return StartModuleSettings(); };
  flow.state = [&] {
    std::vector<uint8> state = file();
    std::vector<std::string> names;
    Files().ListFolder(kFolder, &names, nullptr);
    for (const std::string& name : names) state.insert(state.end(), name.begin(), name.end());
    return state;
  };
  flow.tearDown = [this] { TheHost().Alerts().Clear(); };
  for (Fault fault : kEveryFault) RunFaultLoop(Faults(), fault, flow);
}

// A picture is written whole or not at all. (Under failing allocations a picture may lack a slug
// without a word, as an adornment that cannot read its marker draws nothing: the table's drawing
// flow checks those.)
TEST_F(FlowFaultTest, APictureIsWrittenWholeOrNotAtAll) {
  const FaultFlow flow =
      FlowOf({"render", kDrawing, "render /spread.png zoom=0.1\n", "/spread.png"});
  for (Fault fault : {Fault::kWrite, Fault::kSync, Fault::kRename})
    RunFaultLoop(Faults(), fault, flow);
}

}  // namespace
