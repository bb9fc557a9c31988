// A host test whose host is started with one plug-in, the plug-in code linked into the test
// program, with the resources of the module built from the same sources. The application folder
// is "/app", the roaming one "/roaming"; when the host quits, no memory block may be left.
#pragma once

#include "support/HostTest.h"

class PlugInHostTest : public HostTest {
 protected:
  void SetUp() override;
  void EndHost() override { TheHost().Quit(); }

  // Starts the host (again, after a Quit: as a user quits and starts again), on the application
  // and roaming folders given.
  bool StartHost(const std::string& appFolder = "/app",
                 const std::string& roamingFolder = "/roaming");
};
