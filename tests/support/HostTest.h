// A test that runs inside a host session of its own, whose files live in memory and whose memory
// blocks are counted: when the session ends, no block may be left. Its host fails on demand
// (Faults(), see FaultLoop.h).
#pragma once

#include <gtest/gtest.h>

#include "app/Host.h"
#include "platform/MemEnv.h"
#include "support/FaultLoop.h"

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fHost.Session().Start()); }
  void TearDown() override {
    fFaults.blocks.FailAllocation(0);
    EndHost();
    EXPECT_EQ(fFaults.blocks.LiveBlocks(), 0u) << "memory blocks leaked";
  }
  virtual void EndHost() { fHost.Session().End(); }

  Host& TheHost() { return fHost; }
  MemEnv& Files() { return fFiles; }
  CountingBlocks* Memory() { return &fFaults.blocks; }
  FaultInjection& Faults() { return fFaults; }

 private:
  MemEnv fFiles;
  FaultInjection fFaults{fFiles};
  Host fHost{fFaults.env, &fFaults.blocks};
};
