// Running scripts: what the end-to-end scripts cannot show. Script errors, values and the shell's
// going on after errors run in syntax.vts, values.vts and dialog-errors.vts.
#include <sstream>

#include "SessionRunner.h"
#include "SessionValues.h"
#include "support/HostTest.h"

namespace {

using SessionRunnerTest = HostTest;

// Scripts run in a host without the plug-in: lines may end in CRLF, a script error ends the run,
// and the request command has no module service to ask.
TEST_F(SessionRunnerTest, WhatAScriptPrintsAndTheCodeItEndsWith) {
  const struct {
    const char* script;
    int code;
    const char* out;
    const char* err;
  } cases[] = {
      {"# comment\r\n\r\necho one\r\nbogus\r\necho never\r\n", kSessionScriptError, "one\n",
       "error: line 4: unknown command bogus\n"},
      {"new-document\ntext-frame A page=1\nrequest 1349 A\n", kSessionFailed, "",
       "error: the plug-in's module service is not loaded\n"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.script);
    std::ostringstream out, err;
    EXPECT_EQ(RunSessionScript(in, out, err, false), c.code) << c.script;
    EXPECT_EQ(out.str(), c.out) << c.script;
    EXPECT_EQ(err.str(), c.err) << c.script;
  }
}

// The numbers a script gives are read exactly (the refusals are in values.vts).
TEST(SessionValuesTest, BoundsAreReadAsWritten) {
  EXPECT_EQ(ParseBounds("36,36,236,136"), PMRect(36, 36, 236, 136));
  EXPECT_EQ(ParseBounds("-10.5,0,0.25,1"), PMRect(-10.5, 0, 0.25, 1));
  EXPECT_EQ(ParseCount("007", "n", 10), 7);
}

}  // namespace
