// A test that runs inside a started host whose one plug-in is the plug-in code linked into the
// test program, with the resources of the module built from the same sources. The application and
// roaming folders are fresh folders of the test. It proves that no memory block leaks.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "ISessionMemoryService.h"
#include "app/HostApplication.h"
#include "frame/PlugIn.h"
#include "host/persist/TempFolder.h"
#include "plugins/PlugInLoader.h"
#include "session/HostSession.h"

class PlugInHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HostSession::End();  // a session that a plain host test left running
    HostOptions options{"", fFolder.File("app"), fFolder.File("roaming")};
    std::filesystem::create_directories(options.appFolder);
    std::filesystem::create_directories(options.roamingFolder);
    ASSERT_TRUE(HostApplication::StartWith(options, [] {
      return PlugInLoader::AdoptLinkedPlugIn(GetPlugIn(), IDFile::FromUTF8(VANTELLE_MODULE_PATH));
    }));
    fMemory = HostSession::MemoryService();
    ASSERT_NE(fMemory, nullptr);
    fBlocksBefore = fMemory->LiveBlocks();
  }
  void TearDown() override {
    if (fMemory) {
      fMemory->FailAllocation(0);
      EXPECT_EQ(fMemory->LiveBlocks(), fBlocksBefore) << "memory blocks leaked";
    }
    HostApplication::Quit();
  }

  ISessionMemoryService* Memory() const { return fMemory; }
  // A path below the test's own folder (the application folder is "app", the roaming one
  // "roaming").
  std::string TestPath(const std::string& name) const { return fFolder.File(name); }

 private:
  TempFolder fFolder;
  ISessionMemoryService* fMemory = nullptr;
  uint64 fBlocksBefore = 0;
};
