// A test that runs inside a started host of its own whose one plug-in is the plug-in code linked
// into the test program, with the resources of the module built from the same sources. The
// application and roaming folders are fresh folders of the test, and memory blocks are counted:
// when the host quits, no block may be left.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "app/Host.h"
#include "frame/PlugIn.h"
#include "host/persist/TempFolder.h"
#include "support/CountingBlocks.h"

class PlugInHostTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartHost()); }
  void TearDown() override {
    fBlocks.FailAllocation(0);
    fHost.Quit();
    EXPECT_EQ(fBlocks.LiveBlocks(), 0u) << "memory blocks leaked";
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
  CountingBlocks* Memory() { return &fBlocks; }
  // A path below the test's own folder (the application folder is "app", the roaming one
  // "roaming").
  std::string TestPath(const std::string& name) const { return fFolder.File(name); }

 private:
  TempFolder fFolder;
  CountingBlocks fBlocks;
  Host fHost{Env::Default(), &fBlocks};
};
