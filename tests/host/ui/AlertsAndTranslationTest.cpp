// String keys translated from the plug-ins' string tables, and alerts recorded with their
// translated texts and answered with the default button.
#include <gtest/gtest.h>

#include "CAlert.h"
#include "app/Host.h"

namespace {

constexpr PluginID kTablePlugIn = 0x7D0000;
constexpr PluginID kOtherTablePlugIn = 0x7D1000;

class AlertsAndTranslationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fHost.Strings().Add(kTablePlugIn, {{u"0x7D0000kHelloKey", u"Hello"},
                                       {u"0x7D0000kOKKey", u"Fine"},
                                       {u"0x7D0000kLoopKey", u"0x7D0000kHelloKey"}});
  }
  const std::vector<AlertRecord>& Alerts() { return fHost.Alerts().Records(); }
  static std::string Translated(PMString s) {
    s.Translate();
    return s.GetUTF8String();
  }

  Host fHost;
};

TEST_F(AlertsAndTranslationTest, KeysAreTranslatedOnceAndLiteralsStay) {
  PMString literal("0x7D0000kHelloKey");
  literal.SetTranslatable(kFalse);
  EXPECT_EQ(Translated("0x7D0000kHelloKey"), "Hello");
  EXPECT_EQ(Translated(literal), "0x7D0000kHelloKey") << "marked untranslatable";
  EXPECT_EQ(Translated("0x7D0000kUnknownKey"), "0x7D0000kUnknownKey");
  EXPECT_EQ(Translated("plain words"), "plain words");

  PMString twice("0x7D0000kLoopKey");
  twice.Translate();
  twice.Translate();
  EXPECT_EQ(twice.GetUTF8String(), "0x7D0000kHelloKey") << "a translated text is no key";
  EXPECT_EQ(twice.GetTranslatable(), kFalse);
}

TEST_F(AlertsAndTranslationTest, TheFirstTableKeepsAKeyAndForgettingATableTakesItsTexts) {
  std::vector<std::u16string> clashes = fHost.Strings().Add(
      kOtherTablePlugIn, {{u"0x7D0000kHelloKey", u"Bonjour"}, {u"0x7D1000kByeKey", u"Bye"}});
  EXPECT_EQ(clashes, std::vector<std::u16string>{u"0x7D0000kHelloKey"});
  EXPECT_EQ(Translated("0x7D0000kHelloKey"), "Hello");
  EXPECT_EQ(Translated("0x7D1000kByeKey"), "Bye");
  fHost.Strings().Remove(kOtherTablePlugIn);
  EXPECT_EQ(Translated("0x7D1000kByeKey"), "0x7D1000kByeKey");
  EXPECT_EQ(Translated("0x7D0000kHelloKey"), "Hello") << "the other table's key stays";
}

TEST_F(AlertsAndTranslationTest, AlertsAreRecordedTranslatedAndAnsweredByTheDefaultButton) {
  struct Case {
    const char* b1;
    const char* b2;
    const char* b3;
    int16 defaultButton;
    int16 cancelButton;
    int16 answer;
    size_t buttons;
    const char* first;  // the first button's text
  };
  const Case cases[] = {
      {"OK", "", "", 1, 1, 1, 1, "OK"},
      {"0x7D0000kOKKey", "Cancel", "", 2, 1, 2, 2, "Fine"},
      {"Yes", "", "No", 3, 1, 3, 2, "Yes"},
      {"Yes", "", "No", 2, 3, 3, 2, "Yes"},  // the default names no button: cancel answers
      {"Yes", "No", "", 0, 0, 1, 2, "Yes"},  // neither names a button: the first answers
  };
  for (const Case& c : cases) {
    fHost.Alerts().Clear();
    int16 answer =
        CAlert::ModalAlert("0x7D0000kHelloKey", c.b1, c.b2, c.b3, c.defaultButton, c.cancelButton);
    EXPECT_EQ(answer, c.answer);
    ASSERT_EQ(Alerts().size(), 1u);
    const AlertRecord& alert = Alerts()[0];
    EXPECT_EQ(alert.kind, AlertRecord::kModal);
    EXPECT_EQ(alert.message.GetUTF8String(), "Hello");
    ASSERT_EQ(alert.buttons.size(), c.buttons);
    EXPECT_EQ(alert.buttons[0].GetUTF8String(), c.first);
    EXPECT_EQ(alert.answer, c.answer);
  }
}

}  // namespace
