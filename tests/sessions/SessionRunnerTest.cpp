// Running scripts: what the end-to-end scripts cannot show. Script errors, values and the shell's
// going on after errors run in syntax.vts, values.vts and dialog-errors.vts.
#include <sstream>

#include "SessionRunner.h"
#include "SessionValues.h"
#include "support/HostTest.h"

namespace {

using SessionRunnerTest = HostTest;

TEST_F(SessionRunnerTest, LinesMayEndInCRLFAndAScriptErrorEndsTheRun) {
  std::istringstream in("# comment\r\n\r\necho one\r\nbogus\r\necho never\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunSessionScript(in, out, err, false), kSessionScriptError);
  EXPECT_EQ(out.str(), "one\n");
  EXPECT_EQ(err.str(), "error: line 4: unknown command bogus\n");
}

// The numbers a script gives are read exactly (the refusals are in values.vts).
TEST(SessionValuesTest, BoundsAreReadAsWritten) {
  EXPECT_EQ(ParseBounds("36,36,236,136"), PMRect(36, 36, 236, 136));
  EXPECT_EQ(ParseBounds("-10.5,0,0.25,1"), PMRect(-10.5, 0, 0.25, 1));
  EXPECT_EQ(ParseCount("007", "n", 10), 7);
}

}  // namespace
