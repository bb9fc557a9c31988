#include <gtest/gtest.h>

#include "SessionFormat.h"

namespace {

TEST(SessionFormatTest, ScriptWordsStayBareOnlyWhenAScriptCouldReadThemBackBare) {
  struct Case {
    const char* word;
    const char* text;
  } cases[] = {
      {"Frame-1_a.b/c", "Frame-1_a.b/c"},
      {"", R"("")"},
      {"two words", R"("two words")"},
      {"#hash", R"("#hash")"},
      {"k=v", R"("k=v")"},
      {"caf\xC3\xA9", "\"caf\xC3\xA9\""},
      {"q\"", R"("q\"")"},
  };
  for (const auto& c : cases) EXPECT_EQ(ScriptWordText(c.word), c.text);
}

}  // namespace
