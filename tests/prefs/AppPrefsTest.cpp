#include <gtest/gtest.h>

#include <filesystem>

#include "ISession.h"
#include "ISessionMemoryService.h"
#include "IVantelleAppPrefs.h"
#include "IWorkspace.h"
#include "InterfacePtr.h"
#include "app/Host.h"
#include "database/Database.h"
#include "frame/PlugIn.h"
#include "host/persist/TempFolder.h"
#include "tagdata/PartBytes.h"
#include "tagdata/TagRecordBytes.h"

namespace {

// Runs one host session after another on the same application and roaming folders, as a user
// quits and starts again.
class AppPrefsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(fFolder.File("app"));
    std::filesystem::create_directories(fFolder.File("roaming"));
  }
  void TearDown() override { Quit(); }

  void Start() {
    const HostOptions options{"", fFolder.File("app"), fFolder.File("roaming")};
    ASSERT_TRUE(fHost.StartWith(options, [this] {
      return fHost.PlugIns().AdoptLinkedPlugIn(GetPlugIn(), IDFile::FromUTF8(VANTELLE_MODULE_PATH));
    }));
    fStarted = true;
  }
  void Quit() {
    if (!fStarted) return;
    fStarted = false;
    fHost.Quit();
  }
  uint64 LiveBlocks() { return fHost.Session().MemoryService()->LiveBlocks(); }

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
  // The one file the host keeps below the roaming folder: the saved session workspace.
  std::filesystem::path SavedWorkspace() const {
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(fFolder.File("roaming"))) {
      if (entry.is_regular_file()) return entry.path();
    }
    return {};
  }

 protected:
  TempFolder fFolder;
  Host fHost;
  bool fStarted = false;
};

TEST_F(AppPrefsTest, DataIsACopyAndAnEmptyBlockIsData) {
  Start();
  ASSERT_TRUE(Prefs());
  EXPECT_EQ(Prefs()->GetData(), nullptr);
  const std::vector<uint8> stored = StoredBytes(Prefs(), IVantelleAppPrefs::kDefaultIID);
  EXPECT_EQ(HexOfBytes(stored.data(), stored.size()), "FFFFFFFF");

  const uint64 blocks = LiveBlocks();
  SetData("");
  EXPECT_EQ(DataHex(), "");
  SetData("C0FFEE");
  EXPECT_EQ(DataHex(), "C0FFEE");
  EXPECT_TRUE(fHost.Session().WorkspaceDatabase()->IsModified());
  SetData(nullptr);
  EXPECT_EQ(DataHex(), "null");
  // The object holds its one block, whatever it was given before.
  EXPECT_EQ(LiveBlocks(), blocks + 1);
}

TEST_F(AppPrefsTest, DataIsKeptFromOneSessionToTheNextAndADamagedSaveGivesDefaults) {
  Start();
  SetData("0102030405");
  Quit();
  Start();
  EXPECT_EQ(DataHex(), "0102030405");
  EXPECT_TRUE(fHost.Report().Problems().empty());
  Quit();

  const std::filesystem::path saved = SavedWorkspace();
  ASSERT_FALSE(saved.empty());
  std::filesystem::resize_file(saved, std::filesystem::file_size(saved) / 2);
  Start();
  EXPECT_EQ(DataHex(), "null");
  EXPECT_FALSE(fHost.Report().Problems().empty()) << "a warning about the damaged workspace";
}

}  // namespace
