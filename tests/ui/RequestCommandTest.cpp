// The request session command in a host without the plug-in (its calls run end to end in the
// session scripts).
#include <sstream>

#include "SessionRunner.h"
#include "support/HostTest.h"

namespace {

using RequestWithoutPlugInTest = HostTest;

TEST_F(RequestWithoutPlugInTest, AHostWithoutTheModuleServiceFails) {
  std::istringstream in("new-document\ntext-frame A page=1\nrequest 1349 A\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunSessionScript(in, out, err, false), kSessionFailed);
  EXPECT_EQ(err.str(), "error: the plug-in's module service is not loaded\n");
}

}  // namespace
