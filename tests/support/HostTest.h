// A test that runs inside a host session of its own, whose files live in memory and whose memory
// blocks are counted: when the session ends, no block may be left.
#pragma once

#include <gtest/gtest.h>

#include "app/Host.h"
#include "platform/MemEnv.h"
#include "support/CountingBlocks.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fHost.Session().Start()); }
  void TearDown() override {
    fBlocks.FailAllocation(0);
    fHost.Session().End();
    EXPECT_EQ(fBlocks.LiveBlocks(), 0u) << "memory blocks leaked";
  }

  Host& TheHost() { return fHost; }
  MemEnv& Files() { return fFiles; }
  CountingBlocks* Memory() { return &fBlocks; }

 private:
  MemEnv fFiles;
  CountingBlocks fBlocks;
  Host fHost{fFiles, &fBlocks};
};
