#include <gtest/gtest.h>

#include "ISession.h"
#include "IVantelleAppPrefs.h"
#include "IWorkspace.h"
#include "InterfacePtr.h"
#include "database/Database.h"
#include "platform/EnvFiles.h"
#include "support/PlugInHostTest.h"
#include "tagdata/PartBytes.h"
#include "tagdata/TagRecordBytes.h"

namespace {

// Runs one host session after another on the same application and roaming folders, as a user
// quits and starts again.
class AppPrefsTest : public PlugInHostTest {
 protected:
  void Restart() {
    TheHost().Quit();
    ASSERT_TRUE(StartHost());
  }
  uint64 LiveBlocks() { return Memory()->LiveBlocks(); }

  InterfacePtr<IVantelleAppPrefs> Prefs() const {
    InterfacePtr<IWorkspace> workspace(GetExecutionContextSession()->QueryWorkspace());
    return InterfacePtr<IVantelleAppPrefs>(workspace, IVantelleAppPrefs::kDefaultIID);
  }
  std::string DataHex() const {
    MemBlock copy = static_cast<MemBlock>(Prefs()->GetData());
    std::string hex = HexOfBlock(copy);
    FreeMemBlock(copy);
    return hex;
  }
  void SetData(const char* hex) {
    MemBlock block = hex ? BlockFromHex(hex) : nullptr;
    Prefs()->SetData(block);
    FreeMemBlock(block);
  }

  static constexpr char kSaved[] = "/roaming/Vantelle/Session Workspace.vtd";
  std::vector<uint8> SavedWorkspace() {
    std::vector<uint8> bytes;
    EXPECT_TRUE(ReadWholeFile(Files(), kSaved, 1 << 20, &bytes, nullptr));
    return bytes;
  }
};

// The data block itself is the one the document preferences keep (see DocPrefsTest); here: it
// lives in the session workspace, and the object holds its one block whatever it was given.
TEST_F(AppPrefsTest, DataIsACopyKeptInTheSessionWorkspace) {
  ASSERT_TRUE(Prefs());
  EXPECT_EQ(DataHex(), "null");
  const std::vector<uint8> stored = StoredBytes(Prefs(), IVantelleAppPrefs::kDefaultIID);
  EXPECT_EQ(HexOfBytes(stored.data(), stored.size()), "FFFFFFFF");
  SetData("C0FFEE");
  SetData("");
  EXPECT_EQ(DataHex(), "");
  EXPECT_TRUE(TheHost().Session().WorkspaceDatabase()->IsModified());
  EXPECT_EQ(LiveBlocks(), 1u);
}

TEST_F(AppPrefsTest, DataIsKeptFromOneSessionToTheNextAndADamagedSaveGivesDefaults) {
  SetData("0102030405");
  Restart();
  EXPECT_EQ(DataHex(), "0102030405");
  EXPECT_TRUE(TheHost().Report().Problems().empty());

  TheHost().Quit();
  std::vector<uint8> bytes = SavedWorkspace();
  ASSERT_TRUE(WriteFileAtomically(Files(), kSaved, bytes.data(), bytes.size() / 2, nullptr));
  ASSERT_TRUE(StartHost());
  EXPECT_EQ(DataHex(), "null");
  EXPECT_FALSE(TheHost().Report().Problems().empty()) << "a warning about the damaged workspace";
}

// Quitting saves a changed workspace; a save that fails at any write, sync or rename keeps the
// earlier workspace whole and says so.
TEST_F(AppPrefsTest, AWorkspaceThatCannotBeSavedAtQuitLeavesTheEarlierOneAndSaysSo) {
  TheHost().Quit();
  FaultFlow quit;
  // Each run starts from a saved "01": setting what is saved already would change nothing.
  quit.setUp = [this] {
    ASSERT_TRUE(StartHost());
    SetData("01");
    Restart();
    SetData("0203");
  };
  quit.run = [this] {
    TheHost().Quit();
    return TheHost().Report().Problems().empty();
  };
  quit.state = [this] { return SavedWorkspace(); };
  quit.tearDown = [this] { TheHost().Report().Clear(); };
  for (Fault fault : {Fault::kWrite, Fault::kSync, Fault::kRename}) {
    EXPECT_GT(RunFaultLoop(Faults(), fault, quit).failures, 0u);
  }
  ASSERT_TRUE(StartHost());
}

}  // namespace
