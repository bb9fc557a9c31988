// The entry block of a target: the parsed bodies of the data frames that apply, a block that
// belongs to the caller, and every allocation failure taking its documented path. The empty
// blocks of the other types are shown in lookup-entries.vts.
#include "dataframe/lookup/CatalogueFixture.h"

namespace {

class DataFrameEntriesTest : public CatalogueFixture {};

TEST_F(DataFrameEntriesTest, TheBodiesOfAllBucketsAreParsedAsOneText) {
  DataFrame(Page(0), "labels", "page", "<!-- open comment\rhidden:1");
  DataFrame(Page(0), "labels", "document", "Size:12\rColor,Red\rA,B:C\r<!-- runs on");
  const UID target = TextFrame(Page(0));
  EXPECT_EQ(Entries(target), "Size=12 Color=Red A,B=C")
      << "a comment left open in the document frame swallows the page frame's body";
}

TEST_F(DataFrameEntriesTest, ATextWithoutHeaderGivesAllOfItsLinesAndAClosedHeaderNone) {
  const UID bare = TextFrame(Page(0), "frame", "type=\"labels\" scope=\"document\"\rA:1");
  Mark(bare);
  Mark(TextFrame(Page(1), "frame", "<dataframe type=\"labels\" scope=\"document\"/>"));
  EXPECT_EQ(Entries(TextFrame(Page(1))), "type=\"labels\" scope=\"document\"=Missing Value A=1");
}

TEST_F(DataFrameEntriesTest, TheInvalidTargetFailsWithNoBlockAndAnyOtherGetsOne) {
  MemBlock block = this;
  uint32 size = 99;
  EXPECT_EQ(GetDataFrameEntries(kInvalidUIDRef, kDataFrameTypeLabels, &block, &size), kFailure);
  EXPECT_EQ(block, nullptr);
  EXPECT_EQ(size, 0u);

  const struct {
    const char* what;
    UIDRef target;
  } targets[] = {
      {"a UID that is no object", Ref(999999)},
      {"the document itself", Ref(DB()->GetRootUID())},
      {"a page", Ref(Page(0))},
  };
  for (const auto& t : targets) {
    block = this;
    EXPECT_EQ(GetDataFrameEntries(t.target, kDataFrameTypeLabels, &block, &size), kSuccess);
    EXPECT_EQ(EntryWords(block, size), "") << t.what;
  }
  EXPECT_EQ(GetDataFrameEntries(Ref(TextFrame(Page(0))), kDataFrameTypeLabels, nullptr, nullptr),
            kSuccess)
      << "a block that nobody receives is not kept";
}

TEST_F(DataFrameEntriesTest, EveryFailedAllocationEndsInAWholeBlockOrNoneAndLeaksNothing) {
  DataFrame(Page(0), "labels", "document", "a:1\rb:2");
  DataFrame(Page(0), "labels", "page", "c:3");
  const UID target = TextFrame(Page(0));
  ASSERT_EQ(Entries(target), "a=1 b=2 c=3");

  for (uint64 nth = 1;; ++nth) {
    Memory()->FailAllocation(nth);
    const uint64 before = Memory()->AllocationCount();
    MemBlock block = this;
    uint32 size = 99;
    EXPECT_EQ(GetDataFrameEntries(Ref(target), kDataFrameTypeLabels, &block, &size), kSuccess);
    const bool failed = Memory()->AllocationCount() - before >= nth;
    Memory()->FailAllocation(0);
    if (!block) {
      EXPECT_EQ(size, 0u);
    } else {
      // Whatever was lost, the block describes exactly what it holds.
      const std::string words = EntryWords(block, size);
      if (!failed) {
        EXPECT_EQ(words, "a=1 b=2 c=3");
      }
    }
    if (!failed) break;
  }
}

}  // namespace
