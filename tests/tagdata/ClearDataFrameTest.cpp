// Turning a data frame back into an ordinary text frame: marker deleted, adornments detached,
// look reset and text deleted, against the real host and plug-in.
#include "CmdUtils.h"
#include "tagdata/AssignFixture.h"
#include "tagdata/ClearDataFrame.h"

namespace {

// The switch-valued attribute keeps the data frame's 1.
constexpr const char* kClearedLook =
    "fill=None/0 stroke=None/0/0 class=5A29 switch=1 nonprinting=0 opacity=100 adornments=";

class ClearDataFrameTest : public AssignFixture {};

TEST_F(ClearDataFrameTest, ADataFrameBecomesAPlainEmptyFrame) {
  const UID frame = TextFrame(Page(0));
  ASSERT_EQ(Assign(frame, kDataFrameTypeLabels, kDataFrameScopePage, "F", "Prices"), kSuccess);
  ASSERT_TRUE(WriteTagRecord(Ref(frame), kTagRecordSourceItem, 0x5A5A5A5A, NewMemBlock(2), 2));
  EXPECT_EQ(ClearDataFrame(Ref(frame)), kSuccess);
  EXPECT_EQ(MarkerOf(frame), "none");
  EXPECT_EQ(RecordKeysOf(frame), "ZZZZ") << "other records stay";
  EXPECT_EQ(LookOf(frame), kClearedLook);
  EXPECT_EQ(StoryOf(frame), "");
}

TEST_F(ClearDataFrameTest, AFrameThatNeverWasADataFrameIsClearedCompletely) {
  const UID frame = TextFrame(Page(0), "some text");
  EXPECT_EQ(ClearDataFrame(Ref(frame)), kSuccess);
  EXPECT_EQ(LookOf(frame),
            "fill=None/0 stroke=None/0/0 class=5A29 switch=0 nonprinting=0 "
            "opacity=100 adornments=");
  EXPECT_EQ(StoryOf(frame), "");
}

TEST_F(ClearDataFrameTest, AnItemThatIsNoTextFrameKeepsItsContent) {
  const UID member = TextFrame(Page(0), "member text");
  const UID group = Group({member});
  ASSERT_EQ(Assign(group, kDataFrameTypePellow, kDataFrameScopePage, "G", ""), kSuccess);
  EXPECT_EQ(ClearDataFrame(Ref(group)), kSuccess);
  EXPECT_EQ(MarkerOf(group), "none");
  EXPECT_EQ(LookOf(group), kClearedLook);
  EXPECT_EQ(StoryOf(member), "member text");
}

TEST_F(ClearDataFrameTest, WithoutNoneTheSwatchesReceiveZero) {
  const UID frame = TextFrame(Page(0));
  ASSERT_EQ(Assign(frame, kDataFrameTypeLabels, kDataFrameScopePage, "F", ""), kSuccess);
  RemoveSwatch("None");
  EXPECT_EQ(ClearDataFrame(Ref(frame)), kSuccess);
  EXPECT_EQ(LookOf(frame),
            "fill=-/0 stroke=-/0/0 class=5A29 switch=1 nonprinting=0 opacity=100 adornments=");
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
  std::vector<std::string> steps;
  while (Doc().CanUndo()) {
    PMString name = Doc().GetUndoName();
    name.Translate();
    steps.push_back(name.GetUTF8String());
    ASSERT_TRUE(Doc().Undo());
  }
  EXPECT_EQ(steps, (std::vector<std::string>{"Delete Text", "Apply Attributes", "Apply Attributes",
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
