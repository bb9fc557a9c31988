// The text a data frame is given when it is assigned: the header line, exactly, for every type
// and scope, and the hint comment of each type.
#include <gtest/gtest.h>

#include "dataframe/DataFrameTestSupport.h"
#include "tagdata/DataFrameComposer.h"

namespace {

std::string Compose(DataFrameType type, DataFrameScope scope, const std::string& name,
                    bool16 matchFrameID, bool16 matchGroup, bool16 matchName, bool16 hint) {
  return ComposeDataFrameText(type, scope, DataFrameTest::Text(name), matchFrameID, matchGroup,
                              matchName, hint)
      .GetUTF8String();
}

// Written out here rather than taken from the code's own tables.
const char* TypeKeyword(int type) {
  switch (type) {
    case 0:
      return "labels";
    case 1:
      return "index";
    case 2:
      return "mfgindex";
    case 3:
      return "auxkeys";
    case 4:
      return "pellow";
    case 5:
      return "shared_pellow";
    default:
      return "unknown";
  }
}
const char* ScopeKeyword(int scope) {
  switch (scope) {
    case 0:
      return "frame";
    case 1:
      return "page";
    case 2:
      return "spread";
    case 3:
      return "document";
    case 4:
      return "global";
    default:
      return "unknown";
  }
}

TEST(AssignDataFrameText, EveryTypeAndScopeMakesOneHeaderLine) {
  for (int type : {-32768, -1, 0, 1, 2, 3, 4, 5, 6, 7, 32767}) {
    for (int scope : {-1, 0, 1, 2, 3, 4, 5, 100}) {
      const std::string expected = std::string("<dataframe type=\"") + TypeKeyword(type) +
                                   "\" scope=\"" + ScopeKeyword(scope) + "\"/>\r\n";
      EXPECT_EQ(Compose(static_cast<DataFrameType>(type), static_cast<DataFrameScope>(scope), "",
                        kFalse, kFalse, kFalse, kFalse),
                expected)
          << type << " " << scope;
    }
  }
}

TEST(AssignDataFrameText, MatchAttributesAreWrittenForPellowTypesOnlyInFixedOrder) {
  struct Case {
    bool16 frameID, group, name;
    const char* attributes;
  } cases[] = {
      {kFalse, kFalse, kFalse, ""},
      {kTrue, kFalse, kFalse, " match_frame_id=\"true\""},
      {kFalse, kTrue, kFalse, " match_group=\"true\""},
      {kFalse, kFalse, kTrue, " match_name=\"true\""},
      {kFalse, kTrue, kTrue, " match_group=\"true\" match_name=\"true\""},
      {kTrue, kTrue, kTrue, " match_frame_id=\"true\" match_group=\"true\" match_name=\"true\""},
  };
  for (const Case& c : cases) {
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6}) {
      const bool takesMatches = type == 4 || type == 5;
      const std::string expected = std::string("<dataframe type=\"") + TypeKeyword(type) +
                                   "\" scope=\"page\" name=\"N\"" +
                                   (takesMatches ? c.attributes : "") + "/>\r\n";
      EXPECT_EQ(
          Compose(static_cast<DataFrameType>(type), 1, "N", c.frameID, c.group, c.name, kFalse),
          expected)
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
  for (int type = 0; type < 6; ++type) {
    const std::string header =
        std::string("<dataframe type=\"") + TypeKeyword(type) + "\" scope=\"document\"/>\r\n";
    EXPECT_EQ(Compose(type, 3, "", kFalse, kFalse, kFalse, kTrue), header + hints[type] + "\r\n");
    EXPECT_EQ(Compose(type, 3, "", kFalse, kFalse, kFalse, kFalse), header);
  }
  for (int type : {-1, 6, 7}) {
    EXPECT_EQ(Compose(type, 3, "", kFalse, kFalse, kFalse, kTrue),
              "<dataframe type=\"unknown\" scope=\"document\"/>\r\n")
        << type;
  }
}

TEST(AssignDataFrameText, NamesAreWrittenAsTheyStand) {
  struct Case {
    const char* name;
    const char* attribute;
  } cases[] = {
      {"Prices", " name=\"Prices\""},
      {"", ""},
      {"say \"hi\"", " name=\"say \"hi\"\""},
      {"a/>b <!-- c -->", " name=\"a/>b <!-- c -->\""},
      {"caf\xC3\xA9 \xF0\x9F\x98\x80", " name=\"caf\xC3\xA9 \xF0\x9F\x98\x80\""},
      {" padded ", " name=\" padded \""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Compose(0, 1, c.name, kFalse, kFalse, kFalse, kFalse),
              std::string("<dataframe type=\"labels\" scope=\"page\"") + c.attribute + "/>\r\n")
        << c.name;
  }
}

TEST(AssignDataFrameText, ASharedPellowWithAllOptions) {
  EXPECT_EQ(Compose(5, 2, "Shared", kTrue, kTrue, kTrue, kTrue),
            "<dataframe type=\"shared_pellow\" scope=\"spread\" name=\"Shared\" "
            "match_frame_id=\"true\" match_group=\"true\" match_name=\"true\"/>\r\n"
            "<!-- Optional: Enter one Label,Value or Label:Value per line -->\r\n");
}

}  // namespace
