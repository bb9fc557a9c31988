// Reading the header: attributes found by exact search anywhere in the text, typographic quotes
// straightened first, and the body after the header.
#include <gtest/gtest.h>

#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/parser/HeaderReader.h"

using namespace DataFrameTest;

namespace {

struct HeaderCase {
  const char* rule;
  const char* text;  // UTF-8
  int16 type;
  int16 scope;
  const char* name;  // "(kept)" when the name must be left as the caller gave it
};

const HeaderCase kHeaderCases[] = {
    {"canonical", "<dataframe type=\"labels\" scope=\"page\" name=\"Prices\"/>\r\nSize:12", 0, 1,
     "Prices"},
    {"canonical", "<dataframe type=\"auxkeys\" scope=\"global\"/>", 3, 4, "(kept)"},
    {"canonical", "<dataframe type=\"unknown\" scope=\"unknown\"/>", -1, -1, "(kept)"},
    // Type: the first literal in the order labels, index, mfgindex, auxkeys, pellow,
    // shared_pellow that occurs anywhere decides.
    {"type order", "<dataframe type=\"index\"/>\r\ntype=\"labels\"", 0, -1, "(kept)"},
    {"type order", "<dataframe type=\"pellow\"/>\r\ntype=\"mfgindex\"", 2, -1, "(kept)"},
    {"type order", "<dataframe type=\"shared_pellow\"/>", 5, -1, "(kept)"},
    {"type order", "<dataframe type=\"shared_pellow\" x type=\"pellow\"/>", 4, -1, "(kept)"},
    {"type order", "no header at all type=\"index\"", 1, -1, "(kept)"},
    // Exact: case, spaces around "=" and other quote marks all miss.
    {"exact", "<dataframe type=\"Labels\" scope=\"Page\"/>", -1, -1, "(kept)"},
    {"exact", "<dataframe type = \"labels\" scope= \"page\"/>", -1, -1, "(kept)"},
    {"exact", "<dataframe type='labels' scope='page'/>", -1, -1, "(kept)"},
    {"exact", "<dataframe type=\xE2\x80\x9Clabels\xE2\x80\x9D/>", -1, -1, "(kept)"},
    {"exact", "<dataframe type=\"labels \"/>", -1, -1, "(kept)"},
    // Scope: the order is document, spread, page, frame, global.
    {"scope order", "scope=\"page\" scope=\"document\"", -1, 3, "(kept)"},
    {"scope order", "scope=\"global\" scope=\"spread\"", -1, 2, "(kept)"},
    {"scope order", "scope=\"global\" scope=\"frame\"", -1, 0, "(kept)"},
    {"scope order", "scope=\"global\"", -1, 4, "(kept)"},
    // Name: the first name=" not preceded by "_", closed by a quote before the first "/>".
    {"name", "<dataframe match_name=\"true\" name=\"A\"/>", -1, -1, "A"},
    {"name", "<dataframe match_name=\"true\"/>", -1, -1, "(kept)"},
    {"name", "<dataframe x_name=\"a\" __name=\"b\" name=\"c\"/>", -1, -1, "c"},
    {"name", "name=\"at the start\"/>", -1, -1, "at the start"},
    {"name", "<dataframe name=\"\"/>", -1, -1, ""},
    {"name", "<dataframe name=\" spaced \r\nand broken \"/>", -1, -1, " spaced \r\nand broken "},
    {"name", "<dataframe name=\"a\\\"b\"/>", -1, -1, "a\\"},
    {"name", "<dataframe name=\"A\" name=\"B\"/>", -1, -1, "A"},
    {"name", "<dataframe type=\"labels\"/> name=\"late\"", 0, -1, "(kept)"},
    {"name", "<dataframe name=\"A\">", -1, -1, "(kept)"},
    {"name", "<dataframe name=\"unclosed/>", -1, -1, "(kept)"},
    {"name", "a/> <dataframe name=\"A\"/>", -1, -1, "(kept)"},
    {"name", "<dataframe name=\"a/>b\"/>", -1, -1, "(kept)"},
    {"name", "<dataframe name=\"caf\xC3\xA9 \xF0\x9F\x98\x80\"/>", -1, -1,
     "caf\xC3\xA9 \xF0\x9F\x98\x80"},
    // A header closed by ">" still gives type and scope, but no name.
    {"closed by >", "<dataframe type=\"labels\" scope=\"page\" name=\"Prices\">\r\nA:1", 0, 1,
     "(kept)"},
};

TEST(HeaderReaderTest, AttributesFollowTheReadingRules) {
  for (const HeaderCase& c : kHeaderCases) {
    SCOPED_TRACE(std::string(c.rule) + ": " + c.text);
    const PMString text = Text(c.text);
    int16 type = -1;
    int16 scope = -1;
    PMString name("(kept)");
    ReadHeaderAttributes(text, &type, &scope, name);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(scope, c.scope);
    EXPECT_EQ(name.GetUTF8String(), c.name);
  }
}

TEST(HeaderReaderTest, OnlyTheOutputsAskedForAreWritten) {
  const PMString text("<dataframe type=\"index\" scope=\"page\" name=\"N\"/>");
  int16 scope = 9;
  PMString name;
  ReadHeaderAttributes(text, nullptr, &scope, name);
  EXPECT_EQ(scope, 1);
  EXPECT_EQ(name, PMString("N"));
  int16 type = 9;
  ReadHeaderAttributes(text, &type, nullptr, name);
  EXPECT_EQ(type, 1);
  // Nothing found leaves the caller's value.
  int16 untouched = 42;
  ReadHeaderAttributes(PMString("plain"), &untouched, &untouched, name);
  EXPECT_EQ(untouched, 42);
}

TEST(HeaderReaderTest, StraightenQuotesReplacesOnlyTheClosingTypographicQuote) {
  const struct {
    const char* text;
    const char* straightened;
  } kCases[] = {
      {"", ""},
      {"type=\xE2\x80\x9Dlabels\xE2\x80\x9D", "type=\"labels\""},
      {"\xE2\x80\x9D\xE2\x80\x9D\xE2\x80\x9D", "\"\"\""},
      // The opening quote, the single quotes and the letter O with acute stay.
      {"\xE2\x80\x9C \xE2\x80\x98 \xE2\x80\x99 \xC3\x93",
       "\xE2\x80\x9C \xE2\x80\x98 \xE2\x80\x99 \xC3\x93"},
  };
  for (const auto& c : kCases) {
    PMString text = Text(c.text);
    StraightenQuotes(text);
    EXPECT_EQ(text.GetUTF8String(), c.straightened);
  }
}

}  // namespace
