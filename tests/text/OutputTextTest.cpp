// How the program writes values: the one JSON rule, and 8-bit text written through it in runs.
#include <gtest/gtest.h>

#include "PMString.h"
#include "text/OutputText.h"

namespace {

TEST(OutputTextTest, StringsPrintAsJsonWithOnlyTheNeededEscapes) {
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

// Every byte, alone and inside runs of plain text of every length around the eight that are let
// through at once, comes out as the rule writes its character.
TEST(OutputTextTest, PlatformTextIsEscapedByteForByteAsTheRuleSays) {
  for (bool escapeQuote : {true, false}) {
    for (unsigned b = 0; b < 256; ++b) {
      for (size_t before = 0; before < 10; ++before) {
        const std::string plain(before, 'x');
        std::string bytes = plain + static_cast<char>(b) + plain;
        std::string expected = plain;
        AppendJsonEscaped(expected, PlatformEncoding::DecodeByte(static_cast<uint8>(b)),
                          escapeQuote);
        expected += plain;
        std::string out;
        AppendPlatformTextEscaped(out, reinterpret_cast<const uint8*>(bytes.data()), bytes.size(),
                                  escapeQuote);
        ASSERT_EQ(out, expected) << "byte " << b << " after " << before;
      }
    }
  }
}

}  // namespace
