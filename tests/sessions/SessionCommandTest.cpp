// The command table checks each call against the command's usage line before the command runs.
#include <gtest/gtest.h>

#include <sstream>

#include "ScriptSession.h"
#include "SessionCommand.h"

namespace {

std::string gLastCall;

void Record(ScriptSession&, const SessionCall& call) {
  gLastCall.clear();
  for (const std::string& arg : call.Args()) gLastCall += "<" + arg + ">";
  for (const char* key : {"need", "maybe"}) {
    if (const std::string* value = call.Option(key))
      gLastCall += std::string(" ") + key + "=" + *value;
  }
}

SessionCommandRegistrar gTestCommands({
    {"test-fixed A B need=N [maybe=M]", Record},
    {"test-optional [A]", Record},
    {"test-many NAME ITEM...", Record},
});

std::vector<ScriptWord> Words(std::initializer_list<const char*> plain) {
  std::vector<ScriptWord> words;
  for (const char* text : plain) {
    ScriptWord w;
    const std::string s = text;
    const size_t eq = s.find('=');
    if (eq != std::string::npos) {
      w.key = s.substr(0, eq);
      w.value = s.substr(eq + 1);
    } else {
      w.value = s;
    }
    words.push_back(w);
  }
  return words;
}

struct Case {
  std::initializer_list<const char*> words;
  const char* result;  // the recorded call, or the error
};

TEST(SessionCommandTest, CallsAreCheckedAgainstTheUsageLine) {
  std::ostringstream out;
  ScriptSession session(out);
  const Case cases[] = {
      {{"test-fixed", "a", "b", "need=1"}, "<a><b> need=1"},
      {{"test-fixed", "need=1", "a", "maybe=2", "b"}, "<a><b> need=1 maybe=2"},
      {{"test-fixed", "a", "b"},
       "test-fixed: missing option need (usage: test-fixed A B need=N [maybe=M])"},
      {{"test-fixed", "a", "need=1"}, "usage: test-fixed A B need=N [maybe=M]"},
      {{"test-fixed", "a", "b", "c", "need=1"}, "usage: test-fixed A B need=N [maybe=M]"},
      {{"test-fixed", "a", "b", "need=1", "need=2"}, "test-fixed: option need given twice"},
      {{"test-fixed", "a", "b", "need=1", "other=2"},
       "test-fixed: unknown option other (usage: test-fixed A B need=N [maybe=M])"},
      {{"test-optional"}, ""},
      {{"test-optional", "a"}, "<a>"},
      {{"test-optional", "a", "b"}, "usage: test-optional [A]"},
      {{"test-many", "n"}, "usage: test-many NAME ITEM..."},
      {{"test-many", "n", "1", "2", "3"}, "<n><1><2><3>"},
      {{"no-such-command"}, "unknown command no-such-command"},
  };
  for (const Case& c : cases) {
    gLastCall = "not called";
    std::string result;
    try {
      RunSessionCommand(session, Words(c.words));
      result = gLastCall;
    } catch (const ScriptError& e) {
      result = e.what();
    }
    EXPECT_EQ(result, c.result) << *c.words.begin();
  }
}

TEST(SessionCommandTest, ALineMustBeginWithABareCommandName) {
  std::ostringstream out;
  ScriptSession session(out);
  std::vector<ScriptWord> quoted = Words({"test-optional"});
  quoted[0].quoted = true;
  EXPECT_THROW(RunSessionCommand(session, quoted), ScriptError);
  EXPECT_THROW(RunSessionCommand(session, Words({"key=test-optional"})), ScriptError);
}

}  // namespace
