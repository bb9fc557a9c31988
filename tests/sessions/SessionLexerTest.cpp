#include <gtest/gtest.h>

#include "SessionLexer.h"

namespace {

// Words written back compactly: a plain word as <value>, an option as key=<value>, a quoted
// value marked with q.
std::string Show(const std::vector<ScriptWord>& words) {
  std::string out;
  for (const ScriptWord& w : words) {
    if (!out.empty()) out += ' ';
    if (w.IsOption()) out += w.key + '=';
    out += (w.quoted ? "q<" : "<") + w.value + '>';
  }
  return out;
}

struct Case {
  const char* line;
  std::string words;  // Show's form, or the error message when error is set
  bool error = false;
};

void Check(const Case& c) {
  std::vector<ScriptWord> words;
  std::string error;
  const bool ok = SplitScriptLine(c.line, words, error);
  if (c.error) {
    EXPECT_FALSE(ok) << c.line;
    EXPECT_EQ(error, c.words) << c.line;
  } else {
    EXPECT_TRUE(ok) << c.line << ": " << error;
    EXPECT_EQ(Show(words), c.words) << c.line;
  }
}

TEST(SessionLexerTest, BlanksSeparateBareWords) {
  const Case cases[] = {
      {"", ""},
      {"   \t ", ""},
      {"echo", "<echo>"},
      {"  text-frame\tA   page=1  ", "<text-frame> <A> page=<1>"},
      {"a,b;c!", "<a,b;c!>"},
      {"caf\xC3\xA9", "<caf\xC3\xA9>"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(SessionLexerTest, AHashStartsACommentOnlyAtTheStartOfAWord) {
  const Case cases[] = {
      {"# all comment", ""},
      {"echo x # rest", "<echo> <x>"},
      {"echo x#y", "<echo> <x#y>"},
      {"echo \"# kept\"", "<echo> q<# kept>"},
      {"echo k=#v", "<echo> k=<#v>"},
      {"echo \"unterminated #\"# after", "text after closing quote", true},
  };
  for (const Case& c : cases) Check(c);
}

TEST(SessionLexerTest, QuotedStringsResolveTheirEscapes) {
  const Case cases[] = {
      {R"(echo "a b")", "<echo> q<a b>"},
      {R"(echo "")", "<echo> q<>"},
      {R"(echo "say \"hi\" \\ ok")", R"(<echo> q<say "hi" \ ok>)"},
      {R"(echo "\r\n\t")", "<echo> q<\r\n\t>"},
      {R"(echo "\u{41}\u{e9}\u{20AC}\u{1F600}")",
       "<echo> q<A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80>"},
      {R"(echo "\u{0}")", std::string("<echo> q<\0>", 11)},
      {R"(echo "\u{10FFFF}")", "<echo> q<\xF4\x8F\xBF\xBF>"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(SessionLexerTest, MalformedStringsAreRefusedWithTheirReason) {
  const Case cases[] = {
      {R"(echo "open)", "unterminated string", true},
      {R"(echo "ends in backslash\)", "unterminated string", true},
      {R"(echo "\x")", "unknown escape \\x", true},
      {R"(echo "\u41")", "\\u must be followed by {HEX}", true},
      {R"(echo "\u{}")", "\\u must be followed by {HEX}", true},
      {R"(echo "\u{41")", "\\u must be followed by {HEX}", true},
      {R"(echo "\u{G}")", "\\u must be followed by {HEX}", true},
      {R"(echo "\u{1000000}")", "\\u{...} takes at most 6 hex digits", true},
      {R"(echo "\u{110000}")", "\\u{...} is not a Unicode scalar value", true},
      {R"(echo "\u{D800}")", "\\u{...} is not a Unicode scalar value", true},
      {R"(echo "a"b)", "text after closing quote", true},
      {R"(echo a"b")", "unexpected quote in word a", true},
      {"echo \xC3", "line is not valid UTF-8", true},
      {"echo \xED\xA0\x80", "line is not valid UTF-8", true},  // an encoded surrogate
      {"echo \xC0\xAF", "line is not valid UTF-8", true},      // an overlong form
      {"echo \xF4\x90\x80\x80", "line is not valid UTF-8", true},
  };
  for (const Case& c : cases) Check(c);
}

TEST(SessionLexerTest, KeyEqualsValueWordsAreOptionsWhoseValueMayBeQuoted) {
  const Case cases[] = {
      {"x page=1", "<x> page=<1>"},
      {"x pages-per-spread=2", "<x> pages-per-spread=<2>"},
      {"x bounds=1,2,3,4", "<x> bounds=<1,2,3,4>"},
      {"x text=", "<x> text=<>"},
      {"x a=b=c", "<x> a=<b=c>"},
      {R"(x text="a \"b\" c")", R"(<x> text=q<a "b" c>)"},
      {"x =v", "<x> <=v>"},          // no key: a plain word
      {"x 1+1=2", "<x> <1+1=2>"},    // not a key: a plain word
      {R"(x "k=v")", "<x> q<k=v>"},  // quoted as a whole: a plain word
      {R"(x text="a"b)", "text after closing quote", true},
      {R"(x text=a"b")", "unexpected quote in word text=a", true},
  };
  for (const Case& c : cases) Check(c);
}

}  // namespace
