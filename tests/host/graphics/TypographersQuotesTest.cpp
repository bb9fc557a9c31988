// Typographer's quotes: the rule for straight double quotes, and the command of the workspace's
// text option (the option, its undo step and the insert command's use of it run end to end in
// quotes.vts).
#include "CmdUtils.h"
#include "ITextOptions.h"
#include "IUIDData.h"
#include "LookFixture.h"
#include "textoptions/TypographicQuotes.h"

namespace {

std::u16string Typographic(const char16_t* text, bool atStart, char16_t before) {
  return TypographicQuotes::MakeTypographic(WideString(std::u16string(text)), atStart, before)
      .GetUTF16();
}

TEST(TypographicQuotesRules, OpeningAfterStartBlankLineBreakOrEqualsClosingElsewhere) {
  struct Case {
    const char16_t* text;
    bool atStart;
    char16_t before;
    const char16_t* expected;
  } cases[] = {
      {u"\"a\"", true, 0, u"\u201Ca\u201D"},
      {u"\"a\"", false, u'x', u"\u201Da\u201D"},
      {u"\"", false, u' ', u"\u201C"},
      {u"\"", false, u'\t', u"\u201C"},
      {u"\"", false, u'\r', u"\u201C"},
      {u"\"", false, u'\n', u"\u201C"},
      {u"\"", false, u'=', u"\u201C"},
      {u"\"", false, u'(', u"\u201D"},
      {u"type=\"labels\" x", false, u'<', u"type=\u201Clabels\u201D x"},
      {u"\"\"", true, 0, u"\u201C\u201D"},
      {u"a \"b\"\r\"c\"", false, u'x', u"a \u201Cb\u201D\r\u201Cc\u201D"},
      {u"'single' stays", true, 0, u"'single' stays"},
      {u"", true, 0, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Typographic(c.text, c.atStart, c.before), c.expected)
        << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
  }
}

using TypographersQuotesTest = LookFixture;

TEST_F(TypographersQuotesTest, TheCommandNeedsAWorkspaceWithTextOptions) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetTypographersQuotesCmdBoss));
  InterfacePtr<IUIDData> target(command.get(), IUIDData::kDefaultIID);
  target->Set(Ref(Page(0)));
  EXPECT_EQ(CmdUtils::ProcessCommand(command), kFailure);
}

}  // namespace
