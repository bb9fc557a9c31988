// A test that runs inside a host session of its own, whose files live in memory, and proves that
// it leaves no memory block behind.
#pragma once

#include <gtest/gtest.h>

#include "ISessionMemoryService.h"
#include "app/Host.h"
#include "platform/MemEnv.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fHost.Session().Start();
    fMemory = fHost.Session().MemoryService();
    ASSERT_NE(fMemory, nullptr);
    fBlocksBefore = fMemory->LiveBlocks();
    fBytesBefore = fMemory->LiveBytes();
  }
  void TearDown() override {
    fMemory->FailAllocation(0);
    EXPECT_EQ(fMemory->LiveBlocks(), fBlocksBefore) << "memory blocks leaked";
    EXPECT_EQ(fMemory->LiveBytes(), fBytesBefore) << "memory block bytes leaked";
  }

  Host& TheHost() { return fHost; }
  MemEnv& Files() { return fFiles; }
  ISessionMemoryService* Memory() const { return fMemory; }

 private:
  MemEnv fFiles;
  Host fHost{fFiles};
  ISessionMemoryService* fMemory = nullptr;
  uint64 fBlocksBefore = 0;
  uint64 fBytesBefore = 0;
};
