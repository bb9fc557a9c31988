// Making a text frame a data frame: marker, adornments, look and text, in the order and with the
// failure rules of AssignDataFrame, against the real host and plug-in. The undo step of each
// command, and an assignment with typographer's quotes off, run end to end in assign-undo.vts;
// the whole assignment as one step inside a sequence in dialog-assign.vts.
#include "tagdata/AssignFixture.h"
#include "tagdata/DataFrameVocabulary.h"

namespace {

constexpr const char* kLabelsLook =
    "fill=QRV Vantelle Labels/20 stroke=Black/100/0.25 class=5A38 switch=1 nonprinting=1 "
    "opacity=75 adornments=182905,182906";
constexpr const char* kNewItemLook =
    "fill=-/100 stroke=-/100/1 class=5A29 switch=0 nonprinting=0 opacity=100 adornments=";

class AssignDataFrameTest : public AssignFixture {
 protected:
  void SetUp() override {
    AssignFixture::SetUp();
    fFrame = TextFrame(Page(0), "frame", "old entries");
    Doc().ClearHistory();
  }
  void ExpectUnassigned() {
    EXPECT_EQ(MarkerOf(fFrame), "none");
    EXPECT_EQ(LookOf(fFrame), kNewItemLook);
    EXPECT_EQ(StoryOf(fFrame), "old entries");
  }
  UID fFrame = kInvalidUID;
};

TEST_F(AssignDataFrameTest, AssigningAgainMovesTheMarkerToTheEndAndReplacesTheText) {
  ASSERT_EQ(Assign(fFrame, kDataFrameTypeMfgIndex, kDataFrameScopePage, "first", "One"), kSuccess);
  ASSERT_TRUE(WriteTagRecord(Ref(fFrame), kTagRecordSourceItem, 0x5A5A5A5A, NewMemBlock(3), 3));
  EXPECT_EQ(RecordKeysOf(fFrame), "AQM1 ZZZZ");
  const UID swatch = FindOrCreateTypeSwatch(DB(), kDataFrameTypeMfgIndex, nullptr);

  // A frame ID longer than its 255-byte field is cut to fit.
  const std::string longID(300, 'x');
  ASSERT_EQ(Assign(fFrame, kDataFrameTypeMfgIndex, kDataFrameScopeDocument, longID, "", kFalse,
                   kFalse, kFalse, kTrue),
            kSuccess);
  EXPECT_EQ(RecordKeysOf(fFrame), "ZZZZ AQM1");
  EXPECT_EQ(MarkerOf(fFrame), std::string(255, 'x'));
  EXPECT_EQ(StoryOf(fFrame),
            "<dataframe type=\"mfgindex\" scope=\"document\"/>\r\n"
            "<!-- Enter one MFG Name per line -->\r\n");
  EXPECT_EQ(FindOrCreateTypeSwatch(DB(), kDataFrameTypeMfgIndex, nullptr), swatch);
}

// An unknown type gets no swatch, tint or hint; without Black the stroke keeps its weight; items
// that are no text frames get marker, adornments and look but no text.
TEST_F(AssignDataFrameTest, LookOfUnusualTypesDocumentsAndItems) {
  ASSERT_EQ(Assign(fFrame, 7, 5, "U", "", kTrue, kTrue, kTrue, kTrue), kSuccess);
  EXPECT_EQ(StoryOf(fFrame), "<dataframe type=\"unknown\" scope=\"unknown\"/>\r\n");
  EXPECT_EQ(LookOf(fFrame),
            "fill=-/100 stroke=Black/100/0.25 class=5A38 switch=1 nonprinting=1 opacity=75 "
            "adornments=182905,182906");

  const UID graphic = GraphicFrame(Page(0));
  const UID group = Group({TextFrame(Page(0), "frame", "member text")});
  for (UID item : {graphic, group}) {
    EXPECT_EQ(Assign(item, kDataFrameTypeLabels, kDataFrameScopePage, "G", ""), kSuccess);
    EXPECT_EQ(MarkerOf(item), "G");
    EXPECT_EQ(LookOf(item), kLabelsLook);
  }
  EXPECT_EQ(StoryOf(graphic), "");

  RemoveSwatch("Black");
  const UID frame = TextFrame(Page(0));
  ASSERT_EQ(Assign(frame, kDataFrameTypeLabels, kDataFrameScopePage, "F", ""), kSuccess);
  EXPECT_EQ(LookOf(frame),
            "fill=QRV Vantelle Labels/20 stroke=-/100/0.25 class=5A38 switch=1 nonprinting=1 "
            "opacity=75 adornments=182905,182906");
}

// An invalid target, one that keeps no tag data (a page), and no memory for the marker.
TEST_F(AssignDataFrameTest, AFailedMarkerWriteChangesNothing) {
  EXPECT_EQ(AssignDataFrame(kInvalidUIDRef, 0, 1, PMString("F"), 0, PMString(""), kFalse, kFalse,
                            kFalse, kFalse),
            kFailure);
  EXPECT_EQ(Assign(Page(0), kDataFrameTypeLabels, kDataFrameScopePage, "F", ""), kFailure);
  Memory()->FailAllocation(1);
  EXPECT_EQ(Assign(fFrame, kDataFrameTypeLabels, kDataFrameScopePage, "F", ""), kFailure);
  Memory()->FailAllocation(0);
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_EQ(FindSwatch("QRV Vantelle Labels"), kInvalidUID);
  ExpectUnassigned();
}

// Whichever allocation fails, no block is lost (the fixture counts them), a failure leaves the
// marker as it was, and the first allocation, the marker's own, always fails the assignment.
TEST_F(AssignDataFrameTest, EveryAllocationFailureTakesADocumentedPathAndLeaksNothing) {
  ASSERT_EQ(Assign(fFrame, kDataFrameTypeLabels, kDataFrameScopePage, "before", ""), kSuccess);
  const uint64 before = Memory()->AllocationCount();
  ASSERT_EQ(Assign(fFrame, kDataFrameTypeLabels, kDataFrameScopePage, "probe", ""), kSuccess);
  const uint64 allocations = Memory()->AllocationCount() - before;
  ASSERT_GT(allocations, 1u);
  for (uint64 nth = 1; nth <= allocations; ++nth) {
    const std::string previous = MarkerOf(fFrame);
    const std::string next = "try" + std::to_string(nth);
    Memory()->FailAllocation(nth);
    const ErrorCode result = Assign(fFrame, kDataFrameTypeLabels, kDataFrameScopePage, next, "");
    Memory()->FailAllocation(0);
    if (nth == 1) {
      EXPECT_EQ(result, kFailure);
    }
    if (result == kFailure) {
      EXPECT_EQ(MarkerOf(fFrame), previous) << nth;
    } else {
      EXPECT_EQ(result, kSuccess) << nth;
      EXPECT_EQ(MarkerOf(fFrame), next) << nth;
    }
  }
}

}  // namespace
