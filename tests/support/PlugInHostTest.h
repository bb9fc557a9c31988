// A test that runs inside a started host of its own whose one plug-in is the plug-in code linked
// into the test program, with the resources of the module built from the same sources. The
// application and roaming folders are fresh folders of the test. It proves that no memory block
// leaks.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "ISessionMemoryService.h"
#include "app/Host.h"
#include "frame/PlugIn.h"
#include "host/persist/TempFolder.h"

class PlugInHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartHost());
    fMemory = fHost.Session().MemoryService();
    ASSERT_NE(fMemory, nullptr);
    fBlocksBefore = fMemory->LiveBlocks();
  }
  void TearDown() override {
    if (fMemory) {
      fMemory->FailAllocation(0);
      EXPECT_EQ(fMemory->LiveBlocks(), fBlocksBefore) << "memory blocks leaked";
    }
    fHost.Quit();
  }

  // Starts the host on the test's folders (again, after a Quit: as a user quits and starts again).
  bool StartHost() {
    HostOptions options{"", fFolder.File("app"), fFolder.File("roaming")};
    std::filesystem::create_directories(options.appFolder);
    std::filesystem::create_directories(options.roamingFolder);
    return fHost.StartWith(options, [this] {
      return fHost.PlugIns().AdoptLinkedPlugIn(GetPlugIn(), IDFile::FromUTF8(VANTELLE_MODULE_PATH));
    });
  }

  Host& TheHost() { return fHost; }
  ISessionMemoryService* Memory() const { return fMemory; }
  // A path below the test's own folder (the application folder is "app", the roaming one
  // "roaming").
  std::string TestPath(const std::string& name) const { return fFolder.File(name); }

 private:
  TempFolder fFolder;
  Host fHost;
  ISessionMemoryService* fMemory = nullptr;
  uint64 fBlocksBefore = 0;
};
