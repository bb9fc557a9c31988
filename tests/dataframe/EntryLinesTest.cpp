// The line operations one by one: cutting lines, splitting at the separator, removing escapes.
#include <gtest/gtest.h>

#include <memory>

#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/parser/EntryLines.h"

using namespace DataFrameTest;

namespace {

TEST(EntryLinesTest, CursorMovesPastTheLineAndItsBreak) {
  const PMString text("ab\r\ncd\n\n");
  int32 cursor = 1;
  std::unique_ptr<PMString> line(NextEntryLine(text, cursor));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(*line, PMString("b"));
  EXPECT_EQ(cursor, 4);
  line.reset(NextEntryLine(text, cursor));
  EXPECT_EQ(*line, PMString("cd"));
  EXPECT_EQ(cursor, 7);
  EXPECT_EQ(NextEntryLine(text, cursor), nullptr);
  EXPECT_EQ(cursor, 8);
  cursor = 20;
  EXPECT_EQ(NextEntryLine(text, cursor), nullptr);
}

// A text of CRs only, or LFs only, must not make every line search the rest of the text.
TEST(EntryLinesTest, LongTextsOfOneBreakKindCutIntoAllTheirLines) {
  for (const char* lineText : {"x\r", "x\n", "x\r\n"}) {
    PMString text;
    for (int i = 0; i < 100000; ++i) text.Append(lineText);
    int32 cursor = 0;
    int lines = 0;
    while (std::unique_ptr<PMString> line{NextEntryLine(text, cursor)}) ++lines;
    EXPECT_EQ(lines, 100000);
  }
}

TEST(EntryLinesTest, SplitTakesTheFirstUnescapedColonElseComma) {
  const struct {
    const char* line;
    const char* label;
    const char* value;
  } kCases[] = {
      // Trimming and dropping empty entries are the caller's.
      {" K : V ", " K ", " V "},     {":", "", ""},
      {"A,B:C", "A,B", "C"},         {"Notes", "Notes", "Missing Value"},
      {"a\\:b,c", "a:b", "c"},       {"a\\\\:b", "a\\:b", "Missing Value"},
      {"k:v\\:w\\,x", "k", "v:w,x"},
  };
  for (const auto& c : kCases) {
    PMString label, value;
    SplitEntryLine(PMString(c.line), label, value);
    EXPECT_EQ(label.GetUTF8String(), c.label) << c.line;
    EXPECT_EQ(value.GetUTF8String(), c.value) << c.line;
  }
}

TEST(EntryLinesTest, EscapesAreRemovedWithinTheirBounds) {
  const struct {
    const char* string;
    const char* escape;
    const char* separator;
    int32 start;
    int32 end;
    const char* result;
    int32 count;
  } kCases[] = {
      {"a\\:b\\:c", "\\", ":", 0, 7, "a:b:c", 2},
      {"a\\:b\\,c", "\\", ":", 0, 7, "a:b\\,c", 1},
      {"\\\\:", "\\", ":", 0, 3, "\\:", 1},
      // From start on only.
      {"\\:a\\:b", "\\", ":", 1, 99, "\\:a:b", 1},
      {"\\:a", "\\", ":", -5, 99, ":a", 1},
      {"\\:a", "\\", ":", 4, 99, "\\:a", 0},
      // An occurrence counts while its position in the shrinking string lies before end.
      {"a\\:b\\:c", "\\", ":", 0, 3, "a:b\\:c", 1},
      {"\\:\\:\\:", "\\", ":", 0, 3, ":::", 3},
      {"\\:\\:\\:", "\\", ":", 0, 2, "::\\:", 2},
      {"\\:a", "\\", ":", 0, 0, "\\:a", 0},
      // Escapes and separators of several characters, and an empty escape.
      {"a<<->b<<->", "<<", "->", 0, 99, "a->b->", 2},
      {"a:b:c", "", ":", 0, 99, "a:b:c", 2},
      // Nothing to do.
      {"a\\:b", "\\", "", 0, 99, "a\\:b", 0},
      {"", "\\", ":", 0, 99, "", 0},
  };
  for (const auto& c : kCases) {
    PMString string(c.string);
    int32 count =
        RemoveSeparatorEscapes(string, PMString(c.escape), PMString(c.separator), c.start, c.end);
    EXPECT_EQ(string.GetUTF8String(), c.result) << c.string << " " << c.start << ".." << c.end;
    EXPECT_EQ(count, c.count) << c.string << " " << c.start << ".." << c.end;
  }
}

// A long line full of escapes: one pass, every escape removed.
TEST(EntryLinesTest, LineFullOfEscapesLosesEveryEscape) {
  PMString line;
  for (int i = 0; i < 200000; ++i) line.Append("\\:");
  EXPECT_EQ(RemoveSeparatorEscapes(line, PMString("\\"), PMString(":"), 0, line.CharCount()),
            200000);
  EXPECT_EQ(line.GetUTF16(), std::u16string(200000, u':'));
}

}  // namespace
