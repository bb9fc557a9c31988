#include <gtest/gtest.h>

#include "SessionFormat.h"

namespace {

TEST(SessionFormatTest, StringsPrintAsJsonWithOnlyTheNeededEscapes) {
  struct Case {
    std::u16string text;
    const char* json;
  } cases[] = {
      {u"", R"("")"},
      {u"plain text", R"("plain text")"},
      {u"say \"hi\" \\", R"("say \"hi\" \\")"},
      {u"\r\n\t", R"("\r\n\t")"},
      {std::u16string{0x01, 0x1F, 0x7F, 0x08}, R"("\u0001\u001F\u007F\u0008")"},
      {u"caf\u00E9 \u20AC", "\"caf\xC3\xA9 \xE2\x82\xAC\""},
      {std::u16string{0xD83D, 0xDE00}, "\"\xF0\x9F\x98\x80\""},
      {std::u16string{0xD83D, u'x', 0xDE00}, R"("\uD83Dx\uDE00")"},
      {std::u16string{u'a', 0xD800}, R"("a\uD800")"},
      {u"/<>", R"("/<>")"},
  };
  for (const auto& c : cases) EXPECT_EQ(JsonQuote(c.text), c.json);
}

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
