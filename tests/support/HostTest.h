// A test that runs inside a host session and proves that it leaves no memory block behind.
#pragma once

#include <gtest/gtest.h>

#include "ISessionMemoryService.h"
#include "session/HostSession.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HostSession::Start();
    fMemory = HostSession::MemoryService();
    ASSERT_NE(fMemory, nullptr);
    fMemory->FailAllocation(0);
    fBlocksBefore = fMemory->LiveBlocks();
    fBytesBefore = fMemory->LiveBytes();
  }
  void TearDown() override {
    fMemory->FailAllocation(0);
    EXPECT_EQ(fMemory->LiveBlocks(), fBlocksBefore) << "memory blocks leaked";
    EXPECT_EQ(fMemory->LiveBytes(), fBytesBefore) << "memory block bytes leaked";
  }

  ISessionMemoryService* Memory() const { return fMemory; }

 private:
  ISessionMemoryService* fMemory = nullptr;
  uint64 fBlocksBefore = 0;
  uint64 fBytesBefore = 0;
};
