// Running scripts: what reaches standard output and standard error, and the exit codes.
#include <sstream>

#include "SessionCommand.h"
#include "SessionRunner.h"
#include "SessionValues.h"
#include "support/HostTest.h"

namespace {

class SessionRunnerTest : public HostTest {
 protected:
  int Run(const std::string& script, bool keepGoing = false) {
    std::istringstream in(script);
    fOut.str("");
    fErr.str("");
    return RunSessionScript(in, fOut, fErr, keepGoing);
  }
  std::ostringstream fOut;
  std::ostringstream fErr;
};

TEST_F(SessionRunnerTest, AScriptErrorNamesItsLineAndEndsTheRunWithCode2) {
  EXPECT_EQ(Run("# comment\r\n\r\necho one\r\nbogus\r\necho never\r\n"), kSessionScriptError);
  EXPECT_EQ(fOut.str(), "one\n");
  EXPECT_EQ(fErr.str(), "error: line 4: unknown command bogus\n");
}

TEST_F(SessionRunnerTest, TheShellReportsEachErrorGoesOnAndEndsWithTheWorstCode) {
  EXPECT_EQ(
      Run("echo \"open\nopen /nonexistent.vtd\nopen /\nnew-document spreads=0\necho end", true),
      kSessionScriptError);
  EXPECT_EQ(fOut.str(), "end\n");
  EXPECT_EQ(fErr.str(),
            "error: line 1: unterminated string\n"
            "error: cannot open /nonexistent.vtd: No such file or directory\n"
            "error: cannot open /: it is a folder\n"
            "error: line 4: spreads must be a number from 1 to 9999, not 0\n");
  EXPECT_EQ(Run("open /nonexistent.vtd\necho end", true), kSessionFailed);
  EXPECT_EQ(Run("echo end", true), kSessionOK);
}

TEST_F(SessionRunnerTest, CommandsThatNeedADocumentSaySoWithoutOne) {
  for (const char* line : {"text-frame A page=1", "text A", "undo", "modified", "save x.vtd"}) {
    EXPECT_EQ(Run(line), kSessionScriptError) << line;
    EXPECT_EQ(fErr.str(), "error: line 1: no document (use new-document or open first)\n");
  }
}

TEST_F(SessionRunnerTest, NamesAreUniqueAndFollowUndoAndRedo) {
  EXPECT_EQ(Run("new-document\n"
                "text-frame A page=1\n"
                "text-frame A page=1\n"),
            kSessionScriptError);
  EXPECT_EQ(fErr.str(), "error: line 3: a page item named A exists already\n");
  EXPECT_EQ(Run("new-document\n"
                "text-frame A page=1\n"
                "undo\n"
                "text-frame A page=1 text=again\n"
                "text A\n"
                "undo\n"
                "undo\n"
                "text A\n"),
            kSessionScriptError);
  EXPECT_EQ(fOut.str(),
            "undo \"New Text Frame\"\n"
            "text A \"again\"\n"
            "undo \"New Text Frame\"\n"
            "undo nothing\n");
  EXPECT_EQ(fErr.str(), "error: line 8: no page item named A\n");
}

TEST_F(SessionRunnerTest, CountsAreWholeNumbersWithinTheirLimits) {
  struct Case {
    const char* text;
    int32 value;  // 0: refused
  } cases[] = {{"1", 1}, {"10", 10}, {"007", 7}, {"11", 0},  {"0", 0},           {"-1", 0},
               {"", 0},  {"1.0", 0}, {"+1", 0},  {"1e1", 0}, {"99999999999", 0}, {" 1", 0}};
  for (const Case& c : cases) {
    int32 value = 0;
    try {
      value = ParseCount(c.text, "n", 10);
    } catch (const ScriptError& e) {
      EXPECT_EQ(std::string(e.what()),
                std::string("n must be a number from 1 to 10, not ") + c.text);
    }
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST_F(SessionRunnerTest, BoundsAreFourOrderedDecimalNumbers) {
  struct Case {
    const char* text;
    bool ok;
    PMRect rect;
  } cases[] = {
      {"36,36,236,136", true, PMRect(36, 36, 236, 136)},
      {"-10.5,0,0.25,1", true, PMRect(-10.5, 0, 0.25, 1)},
      {"1,2,3", false, {}},
      {"1,2,3,4,5", false, {}},
      {"1,2,3,4,", false, {}},
      {",1,2,3,4", false, {}},
      {"1,2,x,4", false, {}},
      {"1,2,3,4e1", false, {}},
      {"1,2,.5,4", false, {}},
      {"1,2,3.,4", false, {}},
      {"nan,0,1,1", false, {}},
      {"5,0,5,1", false, {}},  // no width
      {"0,5,1,4", false, {}},  // bottom above top
      {"", false, {}},
  };
  for (const Case& c : cases) {
    bool ok = true;
    PMRect rect;
    try {
      rect = ParseBounds(c.text);
    } catch (const ScriptError&) {
      ok = false;
    }
    EXPECT_EQ(ok, c.ok) << c.text;
    if (ok) {
      EXPECT_EQ(rect, c.rect) << c.text;
    }
  }
}

}  // namespace
