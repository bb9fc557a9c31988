// Turning a data frame back into an ordinary text frame: marker deleted, adornments detached,
// look reset and text deleted, against the real host and plug-in.
#include "CmdUtils.h"
#include "tagdata/AssignFixture.h"
#include "tagdata/ClearDataFrame.h"

namespace {

class ClearDataFrameTest : public AssignFixture {};

// The switch-valued attribute is left as it was; other records stay; a group keeps its members'
// text; without a None swatch the swatches receive zero.
TEST_F(ClearDataFrameTest, ItemsBecomePlainAndEmpty) {
  const UID dataFrame = TextFrame(Page(0));
  ASSERT_EQ(Assign(dataFrame, kDataFrameTypeLabels, kDataFrameScopePage, "F", "Prices"), kSuccess);
  ASSERT_TRUE(WriteTagRecord(Ref(dataFrame), kTagRecordSourceItem, 0x5A5A5A5A, NewMemBlock(2), 2));
  const UID plain = TextFrame(Page(0), "frame", "some text");
  const UID member = TextFrame(Page(0), "frame", "member text");
  const UID group = Group({member});
  ASSERT_EQ(Assign(group, kDataFrameTypePellow, kDataFrameScopePage, "G", ""), kSuccess);
  const UID noNone = TextFrame(Page(0));
  ASSERT_EQ(Assign(noNone, kDataFrameTypeLabels, kDataFrameScopePage, "N", ""), kSuccess);

  const struct {
    const char* what;
    UID item;
    const char* look;
    const char* keys;
  } cases[] = {
      {"data frame", dataFrame,
       "fill=None/0 stroke=None/0/0 class=5A29 switch=1 nonprinting=0 opacity=100 adornments=",
       "ZZZZ"},
      {"never a data frame", plain,
       "fill=None/0 stroke=None/0/0 class=5A29 switch=0 nonprinting=0 opacity=100 adornments=", ""},
      {"group", group,
       "fill=None/0 stroke=None/0/0 class=5A29 switch=1 nonprinting=0 opacity=100 adornments=", ""},
      {"without None", noNone,
       "fill=-/0 stroke=-/0/0 class=5A29 switch=1 nonprinting=0 opacity=100 adornments=", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.item == noNone) RemoveSwatch("None");
    EXPECT_EQ(ClearDataFrame(Ref(c.item)), kSuccess);
    EXPECT_EQ(MarkerOf(c.item), "none");
    EXPECT_EQ(RecordKeysOf(c.item), c.keys);
    EXPECT_EQ(LookOf(c.item), c.look);
    EXPECT_EQ(StoryOf(c.item), "");
  }
  EXPECT_EQ(StoryOf(member), "member text");
}

TEST_F(ClearDataFrameTest, AFailedMarkerDeletionChangesNothing) {
  EXPECT_EQ(ClearDataFrame(kInvalidUIDRef), kFailure);
  Doc().ClearHistory();
  // A page keeps no tag data.
  EXPECT_EQ(ClearDataFrame(Ref(Page(0))), kFailure);
  EXPECT_FALSE(Doc().CanUndo());
}

TEST_F(ClearDataFrameTest, UndoBringsTheDataFrameBackStepByStepOrAsOneSequence) {
  const UID frame = TextFrame(Page(0));
  ASSERT_EQ(Assign(frame, kDataFrameTypeIndex, kDataFrameScopePage, "F", "", kFalse, kFalse, kFalse,
                   kTrue),
            kSuccess);
  const std::string look = LookOf(frame);
  const std::string text = StoryOf(frame);
  Doc().ClearHistory();

  ASSERT_EQ(ClearDataFrame(Ref(frame)), kSuccess);
  EXPECT_EQ(UndoAll(),
            (std::vector<std::string>{"Delete Text", "Apply Attributes", "Apply Attributes",
                                      "Opacity", "Non-Printing", "Remove Adornment",
                                      "Remove Adornment", "Set Tag Data"}));
  EXPECT_EQ(MarkerOf(frame), "F");
  EXPECT_EQ(LookOf(frame), look);
  EXPECT_EQ(StoryOf(frame), text);

  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  ASSERT_EQ(ClearDataFrame(Ref(frame)), kSuccess);
  CmdUtils::EndCommandSequence(sequence);
  ASSERT_TRUE(Doc().Undo());
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_EQ(LookOf(frame), look);
  EXPECT_EQ(StoryOf(frame), text);
}

}  // namespace
