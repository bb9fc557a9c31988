// The request session command: the entry block it receives is freed once, calls that do not fit
// are script errors, and a host without the plug-in's module service is a failure.
#include <sstream>

#include "SessionRunner.h"
#include "support/HostTest.h"
#include "support/PlugInHostTest.h"

namespace {

int RunScript(const std::string& script, std::string* out, std::string* err) {
  std::istringstream in(script);
  std::ostringstream o, e;
  const int code = RunSessionScript(in, o, e, false);
  *out = o.str();
  *err = e.str();
  return code;
}

class RequestCommandTest : public PlugInHostTest {};

TEST_F(RequestCommandTest, EveryBlockRequestedIsFreedAndOnlyOnce) {
  std::string out, err;
  ASSERT_EQ(RunScript("new-document\n"
                      "text-frame A page=1 text=\"Size:12\"\n"
                      "request 1353 A type=0\n"
                      "request 1353 A type=3\n"
                      "request 1352 A\n",
                      &out, &err),
            kSessionOK)
      << err;
  EXPECT_EQ(
      out,
      "result=0 size=16 block=10000000010000000000000000000000\n"
      "result=0 size=16 block=10000000010000000300000000000000\n"
      "result=0 flag=0 frame-id=\"\" type-name=\"Unknown\" scope-name=\"Unknown\" name=\"\"\n");
}

TEST_F(RequestCommandTest, CallsThatFitNoRequestAreScriptErrors) {
  const std::string usage =
      "usage: request 1352 NAME | request 1353 NAME type=T | request N [NAME]";
  const struct {
    const char* line;
    std::string error;
  } cases[] = {
      {"request 1353 A", usage},
      {"request 1352 A type=0", usage},
      {"request 1352", usage},
      {"request 99999999999 A",
       "the selector must be a whole number from -2147483648 to 2147483647, not 99999999999"},
      {"request 1353 B type=0", "no page item named B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    std::string out, err;
    EXPECT_EQ(RunScript(std::string("new-document\ntext-frame A page=1\n") + c.line, &out, &err),
              kSessionScriptError);
    EXPECT_EQ(err, "error: line 3: " + c.error + "\n");
  }
}

class RequestWithoutPlugInTest : public HostTest {};

TEST_F(RequestWithoutPlugInTest, AHostWithoutTheModuleServiceFails) {
  std::string out, err;
  EXPECT_EQ(RunScript("new-document\ntext-frame A page=1\nrequest 1349 A\n", &out, &err),
            kSessionFailed);
  EXPECT_EQ(err, "error: the plug-in's module service is not loaded\n");
}

}  // namespace
