// Line breaking of a frame's text with the host's text font: breaks where Unicode allows them,
// at the last place that fits, and inside a word only when it must.
#include <gtest/gtest.h>

#include "IFontMgr.h"
#include "ISession.h"
#include "InterfacePtr.h"
#include "drawing/StoryLayout.h"
#include "support/HostTest.h"

namespace {

class StoryLayoutTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    InterfacePtr<IFontMgr> fonts(GetExecutionContextSession(), IID_IFONTMGR);
    ASSERT_TRUE(fonts);
    fFont.reset(fonts->QueryFont(fonts->GetDefaultFontName(), PMString(), 0, 0, nullptr));
    ASSERT_TRUE(fFont) << "the host's text font is not installed";
    fInstance.reset(fonts->QueryFontInstance(fFont, PMMatrix(12, 0, 0, 12, 0, 0), nullptr));
  }
  void TearDown() override {
    fInstance.reset();
    fFont.reset();
    HostTest::TearDown();
  }

  PMReal Width(const std::u16string& text) const {
    PMReal width = 0;
    fInstance->MeasureWText(text.data(), static_cast<int32>(text.size()), &width, nullptr);
    return width;
  }

  // The lines as text, joined by "|".
  std::u16string Lines(const std::u16string& text, PMReal width) const {
    std::u16string out;
    for (const StoryLayout::Line& line : StoryLayout::BreakLines(text, *fInstance, width, 4)) {
      if (!out.empty()) out += u"|";
      out += text.substr(static_cast<size_t>(line.start), static_cast<size_t>(line.length));
    }
    return out;
  }

  InterfacePtr<IPMFont> fFont;
  InterfacePtr<IFontInstance> fInstance;
};

TEST_F(StoryLayoutTest, LinesBreakWhereTheyMustAndWhereTheyFit) {
  const PMReal twoWords = Width(u"Oak chairs");
  struct Case {
    std::u16string text;
    PMReal width;
    std::u16string lines;
  };
  const Case cases[] = {
      {u"Oak chairs", twoWords, u"Oak chairs"},
      {u"Oak chairs", twoWords - 0.01, u"Oak|chairs"},
      {u"Oak chairs   ", twoWords, u"Oak chairs"},  // white space at the end may stand beyond
      {u"a\rb\nc\r\nd", 1000, u"a|b|c|d"},
      {u"a\r\rb", 1000, u"a||b"},
      {u"well-known", Width(u"well-kn"), u"well-|known"},
      {u"Unbreakable", Width(u"Unbr"), u"Unbr|eaka|ble"},
      {u"a\rb\rc\rd\re", 1000, u"a|b|c|d"},                    // no more lines than asked for
      {u"\U0001F600\U0001F600", 1, u"\U0001F600|\U0001F600"},  // a pair is never split
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lines(c.text, c.width), c.lines) << PMString(c.text).GetUTF8String();
  }
}

}  // namespace
