// A test that runs inside a started host of its own whose one plug-in is the plug-in code linked
// into the test program, with the resources of the module built from the same sources. Its files
// live in memory (the application folder is "/app", the roaming one "/roaming"), and its memory
// blocks are counted: when the host quits, no block may be left. Its host fails on demand
// (Faults(), see FaultLoop.h).
#pragma once

#include <gtest/gtest.h>

#include "app/Host.h"
#include "platform/MemEnv.h"
#include "support/FaultLoop.h"

class PlugInHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the host (again, after a Quit: as a user quits and starts again), on the application
  // and roaming folders given.
  bool StartHost(const std::string& appFolder = "/app",
                 const std::string& roamingFolder = "/roaming");

  Host& TheHost() { return fHost; }
  MemEnv& Files() { return fFiles; }
  CountingBlocks* Memory() { return &fFaults.blocks; }
  FaultInjection& Faults() { return fFaults; }

 private:
  MemEnv fFiles;
  FaultInjection fFaults{fFiles};
  Host fHost{fFaults.env, &fFaults.blocks};
};
