// The parser against the direct transcription of the algorithms, over many
// generated texts built from the pieces where the rules have their traps: comment openers and
// closers that a cut can join, separators and escapes, every kind of line break, white space,
// characters outside Mac Roman, surrogates and NULs.
#include <gtest/gtest.h>

#include <random>

#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/ReferenceParser.h"
#include "dataframe/parser/EntryParser.h"
#include "support/HostTest.h"

using namespace DataFrameTest;

namespace {

// clang-format off
const std::u16string kPieces[] = {
    u"<", u"!", u"-", u">", u"<!--", u"-->", u"<!", u"--", u"<!-", u":", u",", u"\\", u"\\:",
    u"\\,", u"\r", u"\n", u"\r\n", u"\n\r", u" ", u"\t", u"a", u"b", u"Key", u"Value", u"\u00A0",
    u"\u2003", u"\u00E9", u"\u20AC", u"\u201D", u"\U0001F600",
    std::u16string(1, 0xD83D), std::u16string(1, 0xDE00), std::u16string(1, u'\0')};
// clang-format on

class Generator {
 public:
  explicit Generator(uint32 start) : fRandom(start) {}

  PMString Text(size_t maxPieces) {
    std::u16string text;
    size_t pieces = Below(maxPieces + 1);
    for (size_t i = 0; i < pieces; ++i) text += kPieces[Below(std::size(kPieces))];
    return PMString(text);
  }
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(fRandom); }

 private:
  std::mt19937 fRandom;
};

using ParserEquivalenceTest = HostTest;

TEST_F(ParserEquivalenceTest, BlockAndRemainingTextMatchTheDirectAlgorithm) {
  Generator generate(20240601);
  for (int i = 0; i < 20000; ++i) {
    const PMString text = generate.Text(i % 10 == 0 ? 200 : 30);
    const int16 type = generate.Below(8) == 0 ? 2 : 0;
    PMString expectedText = text;
    std::string expected = Reference::ParseDataFrameEntries(expectedText, type);

    PMString actualText = text;
    MemBlock block = nullptr;
    uint32 size = 0;
    ParseDataFrameEntries(actualText, type, &block, &size);
    ASSERT_NE(block, nullptr);
    std::string actual(static_cast<const char*>(block), size);
    FreeMemBlock(block);

    ASSERT_EQ(Hex(actual), Hex(expected)) << ::testing::PrintToString(text.GetUTF16());
    ASSERT_EQ(actualText, expectedText) << ::testing::PrintToString(text.GetUTF16());
  }
}

}  // namespace
