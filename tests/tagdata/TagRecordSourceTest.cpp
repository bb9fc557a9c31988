#include "IPageList.h"
#include "IVantelleDocPrefs.h"
#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagDataDocumentTest.h"
#include "tagdata/TagRecordBytes.h"
#include "tagdata/TagRecordSource.h"

namespace {

constexpr uint32 kA = 0x41414141;
constexpr uint32 kB = 0x42424242;

class TagRecordSourceTest : public TagDataDocumentTest {
 protected:
  UIDRef DocumentRef() const { return UIDRef(DB(), DB()->GetRootUID()); }
  // Writes the hex bytes under the key; the block passes to the write.
  bool16 Write(const UIDRef& target, int32 source, uint32 key, const char* hex) {
    MemBlock data = hex ? BlockFromHex(hex) : nullptr;
    return WriteTagRecord(target, source, key, data, data ? MemBlockSize(data) : 0);
  }
  // The record's data as hex, or "absent".
  std::string Read(const UIDRef& target, int32 source, uint32 key) {
    MemBlock data = nullptr;
    uint32 length = 0;
    if (!ReadTagRecord(target, source, key, &data, &length)) {
      EXPECT_EQ(data, nullptr);
      EXPECT_EQ(length, 0u);
      return "absent";
    }
    EXPECT_EQ(length, MemBlockSize(data));
    std::string hex = HexOfBlock(data);
    FreeMemBlock(data);
    return hex;
  }
};

TEST_F(TagRecordSourceTest, ItemWritesEditTheListAsTheStoreDoes) {
  const UIDRef frame = NewFrame("f");
  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, kA, "01"));
  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, kB, "02"));
  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, kA, "0303"));
  EXPECT_EQ(ListHexOf(frame), ListHex({{kB, "02"}, {kA, "0303"}}));
  EXPECT_EQ(Read(frame, kTagRecordSourceItem, kA), "0303");

  // Deleting a key that is absent still runs the command, which hands the item an equal list:
  // the document is not changed and no undo step is made.
  Doc().ClearHistory();
  const void* held = TagData(frame)->GetRecordList();
  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, 0x43434343, nullptr));
  EXPECT_NE(TagData(frame)->GetRecordList(), held);
  EXPECT_EQ(ListHexOf(frame), ListHex({{kB, "02"}, {kA, "0303"}}));
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_FALSE(Doc().IsModified());

  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, kB, nullptr));
  EXPECT_EQ(ListHexOf(frame), ListHex({{kA, "0303"}}));
  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, kB, ""));
  EXPECT_EQ(Read(frame, kTagRecordSourceItem, kB), "");
}

TEST_F(TagRecordSourceTest, InvalidItemListOrACopyThatCannotBeMadeReadsAbsent) {
  const UIDRef frame = NewFrame("f");
  // One byte more than its L says.
  TagData(frame)->SetRecordList(BlockFromHex(ListHex({{kA, "01"}}) + "00"));
  EXPECT_EQ(Read(frame, kTagRecordSourceItem, kA), "absent");
  ASSERT_TRUE(Write(frame, kTagRecordSourceItem, kB, "02"));
  EXPECT_EQ(ListHexOf(frame), ListHex({{kB, "02"}}));

  Memory()->FailAllocation(2);  // the list's copy succeeds, the record's does not
  EXPECT_EQ(Read(frame, kTagRecordSourceItem, kB), "absent");
}

// Writes that fail release the written block; writes to other sources touch nothing and leave
// the block the caller's.
TEST_F(TagRecordSourceTest, FailedWritesAndOtherSourcesTouchNothing) {
  const UIDRef frame = NewFrame("f");
  InterfacePtr<IPageList> pages(DB(), DB()->GetRootUID(), IID_IPAGELIST);
  const UIDRef page(DB(), pages->GetNthPageUID(0));
  const uint64 live = Memory()->LiveBlocks();
  EXPECT_FALSE(Write(page, kTagRecordSourceItem, kA, "01")) << "a page has no tag data";
  EXPECT_FALSE(Write(frame, kTagRecordSourceDocument, kA, "01")) << "a frame is no document";
  EXPECT_FALSE(WriteTagRecord(frame, kTagRecordSourceItem, kA, BlockFromHex("0102"), 3));
  EXPECT_EQ(Memory()->LiveBlocks(), live);

  for (int32 source : {-1, 2, 1000}) {
    SCOPED_TRACE(source);
    MemBlock data = reinterpret_cast<MemBlock>(0x1);
    uint32 length = 77;
    EXPECT_FALSE(ReadTagRecord(frame, source, kA, &data, &length));
    EXPECT_EQ(data, reinterpret_cast<MemBlock>(0x1));
    EXPECT_EQ(length, 77u);
    MemBlock block = BlockFromHex("01");
    EXPECT_FALSE(WriteTagRecord(frame, source, kA, block, 1));
    EXPECT_EQ(MemBlockSize(block), 1u) << "the block stays the caller's";
    FreeMemBlock(block);
  }
  EXPECT_EQ(ListHexOf(frame), "null");
}

// A write that cannot grow the list changes nothing; one that can is an undoable step.
TEST_F(TagRecordSourceTest, DocumentListLivesInTheDocumentPreferences) {
  EXPECT_EQ(Read(DocumentRef(), kTagRecordSourceDocument, kA), "absent");
  ASSERT_TRUE(Write(DocumentRef(), kTagRecordSourceDocument, kA, "0A0B"));
  Doc().ClearHistory();
  const uint64 live = Memory()->LiveBlocks();
  MemBlock data = BlockFromHex("0C");
  Memory()->FailAllocation(2);  // the list's copy succeeds, the grown list does not
  EXPECT_FALSE(WriteTagRecord(DocumentRef(), kTagRecordSourceDocument, kB, data, 1));
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_EQ(Memory()->LiveBlocks(), live);

  ASSERT_TRUE(Write(DocumentRef(), kTagRecordSourceDocument, kB, "0C"));
  EXPECT_EQ(Read(DocumentRef(), kTagRecordSourceDocument, kA), "0A0B");
  EXPECT_TRUE(Doc().IsModified());
  InterfacePtr<IVantelleDocPrefs> prefs(Workspace());
  MemBlock list = static_cast<MemBlock>(prefs->GetTagData());
  EXPECT_EQ(HexOfBlock(list), ListHex({{kA, "0A0B"}, {kB, "0C"}}));
  FreeMemBlock(list);

  ASSERT_TRUE(Doc().Undo());
  EXPECT_EQ(Read(DocumentRef(), kTagRecordSourceDocument, kB), "absent");
  EXPECT_EQ(Read(DocumentRef(), kTagRecordSourceDocument, kA), "0A0B");
}

// Every allocation of a write fails in turn: whatever the outcome, the written block and every
// copy are released, and the item is left with a valid list.
TEST_F(TagRecordSourceTest, EachAllocationOfAWriteMayFail) {
  const UIDRef frame = NewFrame("f");
  const std::string before = ListHex({{kA, "01"}, {kB, "02"}});
  for (uint64 failing = 1; failing <= 6; ++failing) {
    SCOPED_TRACE(failing);
    TagData(frame)->SetRecordList(BlockFromHex(before));
    const uint64 live = Memory()->LiveBlocks();
    MemBlock data = BlockFromHex("0303");
    Memory()->FailAllocation(failing);
    WriteTagRecord(frame, kTagRecordSourceItem, kA, data, 2);
    Memory()->FailAllocation(0);
    EXPECT_EQ(Memory()->LiveBlocks(), live);
    // Written whole, or not at all: never a list that lost its other records.
    const std::string after = ListHexOf(frame);
    EXPECT_TRUE(after == before || after == ListHex({{kB, "02"}, {kA, "0303"}})) << after;
  }
}

}  // namespace
