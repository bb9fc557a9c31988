// The text a data frame is given when it is assigned: the header line, exactly, for every type
// and scope, the match attributes of the pellow types, and the hint comment of each type.
#include <gtest/gtest.h>

#include <vector>

#include "dataframe/DataFrameTestSupport.h"
#include "tagdata/DataFrameComposer.h"

namespace {

std::string Compose(int type, int scope, const std::string& name, bool16 matchFrameID = kFalse,
                    bool16 matchGroup = kFalse, bool16 matchName = kFalse, bool16 hint = kFalse) {
  return ComposeDataFrameText(static_cast<DataFrameType>(type), static_cast<DataFrameScope>(scope),
                              DataFrameTest::Text(name), matchFrameID, matchGroup, matchName, hint)
      .GetUTF8String();
}

// Written out here rather than taken from the code's own tables.
std::string Keyword(const std::vector<const char*>& words, int value) {
  return value >= 0 && value < int(words.size()) ? words[size_t(value)] : "unknown";
}
std::string Header(int type, int scope, const std::string& attributes = "") {
  return "<dataframe type=\"" +
         Keyword({"labels", "index", "mfgindex", "auxkeys", "pellow", "shared_pellow"}, type) +
         "\" scope=\"" + Keyword({"frame", "page", "spread", "document", "global"}, scope) + "\"" +
         attributes + "/>\r\n";
}

TEST(AssignDataFrameText, EveryTypeAndScopeMakesOneHeaderLine) {
  for (int type : {-32768, -1, 0, 1, 2, 3, 4, 5, 6, 7, 32767}) {
    for (int scope : {-1, 0, 1, 2, 3, 4, 5, 100}) {
      EXPECT_EQ(Compose(type, scope, ""), Header(type, scope)) << type << " " << scope;
    }
  }
}

TEST(AssignDataFrameText, MatchAttributesAreWrittenForPellowTypesOnlyInFixedOrder) {
  const struct {
    bool16 frameID, group, name;
    const char* attributes;
  } cases[] = {
      {kTrue, kFalse, kFalse, " match_frame_id=\"true\""},
      {kFalse, kTrue, kFalse, " match_group=\"true\""},
      {kFalse, kFalse, kTrue, " match_name=\"true\""},
      {kFalse, kTrue, kTrue, " match_group=\"true\" match_name=\"true\""},
      {kTrue, kTrue, kTrue, " match_frame_id=\"true\" match_group=\"true\" match_name=\"true\""},
  };
  for (const auto& c : cases) {
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6}) {
      const bool takesMatches = type == 4 || type == 5;
      EXPECT_EQ(Compose(type, 1, "N", c.frameID, c.group, c.name),
                Header(type, 1, std::string(" name=\"N\"") + (takesMatches ? c.attributes : "")))
          << type << c.attributes;
    }
  }
}

TEST(AssignDataFrameText, EachTypeHasItsHintLineAndOtherTypesNone) {
  const char* hints[] = {
      "<!-- Enter one Label,Value or Label:Value per line -->",
      "<!-- Enter one entry as Level1,Level2,Level3,Level4 or Level1:Level2:Level3:Level4 per "
      "line -->",
      "<!-- Enter one MFG Name per line -->",
      "<!-- Enter one AuxKey per line -->",
      "<!-- Optional: Enter one Label,Value or Label:Value per line -->",
      "<!-- Optional: Enter one Label,Value or Label:Value per line -->",
  };
  for (int type = -1; type < 8; ++type) {
    const bool hinted = type >= 0 && type < 6;
    EXPECT_EQ(Compose(type, 3, "", kFalse, kFalse, kFalse, kTrue),
              Header(type, 3) + (hinted ? std::string(hints[type]) + "\r\n" : ""))
        << type;
  }
}

// Names go in unescaped, as the header reader takes them back.
TEST(AssignDataFrameText, NamesAreWrittenAsTheyStand) {
  for (const char* name :
       {"say \"hi\"", "a/>b <!-- c -->", "caf\xC3\xA9 \xF0\x9F\x98\x80", " padded "}) {
    EXPECT_EQ(Compose(0, 1, name), Header(0, 1, std::string(" name=\"") + name + "\"")) << name;
  }
}

}  // namespace
