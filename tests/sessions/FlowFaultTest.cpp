// Whole session flows under every kind of failure (see support/FaultLoop.h): every allocation of
// the memory service, every operator new and every file read, write, sync and rename fails in
// turn, and each time the flow either does all it did without the failure or reports failure and
// leaves the document and its files as they were, leaking nothing.
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "frame/ModuleSettings.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"

namespace {

constexpr Fault kEveryFault[] = {Fault::kMemoryBlock, Fault::kOperatorNew, Fault::kRead,
                                 Fault::kWrite,       Fault::kSync,        Fault::kRename};

class FlowFaultTest : public PlugInHostTest {
 protected:
  // The flow's state with the bytes of a file added, and the names beside it (a temporary file
  // left behind shows).
  FaultFlow WithFile(FaultFlow flow, const std::string& path) {
    flow.state = [this, path, document = flow.state] {
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

// Opening a document that holds a data frame and saving it over an earlier file: a save that
// fails leaves the earlier file whole, no temporary file, and the document modified.
TEST_F(FlowFaultTest, OpenAndSave) {
  const FaultFlow flow =
      WithFile(SessionFlow("new-document\n"
                           "text-frame A page=1 text=\"old\"\n"
                           "save /earlier.vtd\n"
                           "request 1354 A frame-id=A-1 type=0 name=Prices scope=1 match-name=0 "
                           "match-frame-id=0 hint=1\n"
                           "save /frame.vtd\n",
                           "open /frame.vtd\n"
                           "save /earlier.vtd\n"),
               "/earlier.vtd");
  for (Fault fault : kEveryFault) RunFaultLoop(Faults(), fault, flow);

  // A good file that cannot be held for want of memory is no damaged file.
  flow.setUp();
  std::string error;
  Memory()->FailAllocation(1);
  EXPECT_FALSE(DocumentFactory::OpenDocument(IDFile::FromUTF8("/frame.vtd"), &error));
  EXPECT_EQ(error, "/frame.vtd: out of memory");
  flow.tearDown();
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

}  // namespace
