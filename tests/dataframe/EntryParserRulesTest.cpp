// The reading rules of a data frame body, as a table: each case is a body text and the entries the
// block must hold, grouped by the rule it tests.
#include <gtest/gtest.h>

#include "dataframe/DataFrameTestSupport.h"
#include "support/HostTest.h"

using namespace DataFrameTest;

namespace {

struct RuleCase {
  const char* rule;
  std::string text;  // UTF-8
  std::vector<Entry> entries;
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) {
  return out << c.rule << ": " << ::testing::PrintToString(c.text);
}

const RuleCase kRuleCases[] = {
    // Separators: the first unescaped ":" wins over any ","; only then the first ",".
    {"separator",
     "Size:12\r\nColor,Red\r\nA,B:C",
     {{"Size", "12"}, {"Color", "Red"}, {"A,B", "C"}}},
    {"separator", "a:b:c", {{"a", "b:c"}}},
    {"separator", "a,b,c", {{"a", "b,c"}}},
    {"separator", "k:v,w", {{"k", "v,w"}}},
    {"separator", "Key:", {{"Key", ""}}},
    {"separator", ":Value", {{"", "Value"}}},
    {"separator", "::", {{"", ":"}}},
    {"separator", ",,", {{"", ","}}},
    {"separator", "Notes", {{"Notes", "Missing Value"}}},
    {"separator", "   ", {{"", "Missing Value"}}},
    // A lone separator is no entry; the emptiness test comes before trimming.
    {"empty entry", ":", {}},
    {"empty entry", ",", {}},
    {"empty entry", ":\n,\nk:v", {{"k", "v"}}},
    {"empty entry", " : ", {{"", ""}}},
    {"empty entry", "\t,\t", {{"", ""}}},
    // Escapes: a backslash directly before a separator escapes it and is removed.
    {"escape", "Time\\:Zone:UTC", {{"Time:Zone", "UTC"}}},
    {"escape", "a\\:b\\:c:d", {{"a:b:c", "d"}}},
    {"escape", "a\\,b,c", {{"a,b", "c"}}},
    {"escape", "k:v\\,w\\:x", {{"k", "v,w:x"}}},
    {"escape", "\\:only", {{":only", "Missing Value"}}},
    {"escape", "a\\:,b", {{"a:", "b"}}},
    {"escape", "a\\\\:b", {{"a\\:b", "Missing Value"}}},
    {"escape", "x\\y:z\\", {{"x\\y", "z\\"}}},
    {"escape", "\\:\\,", {{":,", "Missing Value"}}},
    {"escape", "k:\\:", {{"k", ":"}}},
    // Trimming: Unicode white space at both ends, inner white space kept.
    {"trim", " K : V ", {{"K", "V"}}},
    {"trim", "A B , C D", {{"A B", "C D"}}},
    {"trim", "\tK\x0B:\xC2\xA0V\xE2\x80\x83", {{"K", "V"}}},
    {"trim", "K:V\xC2\x85\xE2\x80\xA8\xE3\x80\x80", {{"K", "V"}}},
    {"trim", "\xE2\x80\x8BK:V", {{"?K", "V"}}},  // a zero-width space is no white space
    {"trim", "K\\: :V", {{"K:", "V"}}},
    // Lines: CR, LF, CR LF and LF CR each break once; empty lines are skipped.
    {"lines", "a\r\nb", {{"a", "Missing Value"}, {"b", "Missing Value"}}},
    {"lines", "a\n\rb", {{"a", "Missing Value"}, {"b", "Missing Value"}}},
    {"lines", "a\rb\nc", {{"a", "Missing Value"}, {"b", "Missing Value"}, {"c", "Missing Value"}}},
    {"lines", "a\r\rb", {{"a", "Missing Value"}, {"b", "Missing Value"}}},
    {"lines", "a\r\n\r\nb", {{"a", "Missing Value"}, {"b", "Missing Value"}}},
    {"lines", "a\rx\nb", {{"a", "Missing Value"}, {"x", "Missing Value"}, {"b", "Missing Value"}}},
    {"lines", "\r\n\n\rK:V\r\n\r\n", {{"K", "V"}}},
    {"lines", "K:V", {{"K", "V"}}},
    {"lines", "", {}},
    // Comments: cut with their closer, the text around joined.
    {"comment", "Price<!-- old -->:10", {{"Price", "10"}}},
    {"comment", "<!-->K:V", {{"K", "V"}}},
    {"comment", "<!--->K:V", {{"K", "V"}}},
    {"comment", "K<!--\r\nspans\r\nlines-->:V", {{"K", "V"}}},
    {"comment", "<!-- Enter one Label,Value or Label:Value per line -->\r\nK:V", {{"K", "V"}}},
    {"comment", "a:1\r\n<!-- never closed\r\nb:2", {{"a", "1"}}},
    {"comment", "a-->b", {{"a-->b", "Missing Value"}}},
    {"comment", "<!- -->x", {{"<!- -->x", "Missing Value"}}},
    {"comment", "<<!---->!--x-->K:V", {{"K", "V"}}},
    {"comment", "<!<!--x-->--a-->b:c", {{"b", "c"}}},
    {"comment", "<!-<!---->-a-->b:c", {{"b", "c"}}},
    {"comment", "<!<!---->-->x", {{"x", "Missing Value"}}},
    {"comment", "<!--a--><!--b-->K:V<!--c", {{"K", "V"}}},
    // 8-bit strings: Mac Roman, '?' for what it cannot hold, a NUL ends a C string.
    {"encoding", "caf\xC3\xA9:\xE2\x82\xAC 5", {{"caf\xC3\xA9", "\xE2\x82\xAC 5"}}},
    {"encoding", "\xE2\x80\x9Dq\xE2\x80\x9D:x", {{"\xE2\x80\x9Dq\xE2\x80\x9D", "x"}}},
    {"encoding", "\xF0\x9F\x98\x80:\xE4\xB8\xAD", {{"?", "?"}}},
    {"encoding", "\xEF\xA3\xBF:x", {{"\xEF\xA3\xBF", "x"}}},
    {"encoding", std::string("a\0b:c\0d", 7), {{"a", "c"}}},
    {"encoding", std::string("\0:\0", 3), {{"", ""}}},
};

class EntryParserRulesTest : public HostTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(EntryParserRulesTest, BlockHoldsExactlyTheEntries) {
  const RuleCase& c = GetParam();
  std::string block = ParseToBytes(Text(c.text), 0);
  EXPECT_EQ(EntriesOf(block), c.entries);
}

INSTANTIATE_TEST_SUITE_P(ReadingRules, EntryParserRulesTest, ::testing::ValuesIn(kRuleCases));

}  // namespace
