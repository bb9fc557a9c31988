#include <functional>

#include "CmdUtils.h"
#include "VantelleCommandIDs.h"
#include "tagdata/TagDataDocumentTest.h"
#include "tagdata/TagRecordBytes.h"

namespace {

class FrameTagDataTest : public TagDataDocumentTest {
 protected:
  // The in-memory tag data: the set-data command's parameter block.
  InterfacePtr<IVantelleFrameTagData> NewCommandData() {
    fCommand.reset(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
    return InterfacePtr<IVantelleFrameTagData>(fCommand, IVantelleFrameTagData::kDefaultIID);
  }
  void TearDown() override {
    fCommand.reset();
    TagDataDocumentTest::TearDown();
  }

 private:
  InterfacePtr<ICommand> fCommand;
};

TEST_F(FrameTagDataTest, RecordListIsOwnedSizedByItsBlockAndCopiedAsItIsNow) {
  InterfacePtr<IVantelleFrameTagData> data = NewCommandData();
  const uint64 live = Memory()->LiveBlocks();
  MemBlock first = BlockFromHex("01020304");
  data->SetRecordList(first);
  data->SetRecordList(first);  // the block held already stays
  EXPECT_EQ(data->GetRecordList(), first);
  EXPECT_EQ(data->GetRecordListSize(), 4u);
  ResizeMemBlock(first, 2);
  MemBlock copy = static_cast<MemBlock>(data->CopyRecordList());
  EXPECT_EQ(HexOfBlock(copy), "0102");
  EXPECT_NE(copy, first);
  FreeMemBlock(copy);
  Memory()->FailAllocation(1);
  EXPECT_EQ(data->CopyRecordList(), nullptr);

  data->SetRecordList(BlockFromHex("AA"));  // the first block goes
  EXPECT_EQ(Memory()->LiveBlocks(), live + 1);
  data->SetRecordList(nullptr);
  EXPECT_EQ(Memory()->LiveBlocks(), live);
  EXPECT_EQ(data->GetRecordListSize(), 0u);
}

// Empty key fields, the number and the list.
void SetAllEmpty(IVantelleFrameTagData* d, int32 number, void* list) {
  d->SetAll(PMString(), PMString(), PMString(), PMString(), number, list);
}

// Which setter calls of the persistent tag data record an undo step (through PreDirty).
struct PreDirtyCase {
  const char* name;
  std::function<void(IVantelleFrameTagData*)> prepare;  // before the history is cleared
  std::function<void(IVantelleFrameTagData*)> act;
  bool recorded;
};

TEST_F(FrameTagDataTest, PersistentSettersRecordOnlyRealChanges) {
  const PMString same("same");
  const auto holdList = [](IVantelleFrameTagData* d) { d->SetRecordList(BlockFromHex("00")); };
  const std::vector<PreDirtyCase> cases = {
      {"key field 1 unchanged", nullptr, [&](auto* d) { d->SetKeyField1(PMString()); }, false},
      {"key field 1", nullptr, [&](auto* d) { d->SetKeyField1(same); }, true},
      {"key field 2", nullptr, [&](auto* d) { d->SetKeyField2(same); }, true},
      {"key field 3", nullptr, [&](auto* d) { d->SetKeyField3(same); }, true},
      {"key field 4", nullptr, [&](auto* d) { d->SetKeyField4(same); }, true},
      {"key field 4 to its value", [&](auto* d) { d->SetKeyField4(same); },
       [&](auto* d) { d->SetKeyField4(same); }, false},
      {"tag number unchanged", nullptr, [](auto* d) { d->SetTagNumber(0); }, false},
      {"tag number", nullptr, [](auto* d) { d->SetTagNumber(-1); }, true},
      {"transient text unchanged", nullptr, [](auto* d) { d->SetTransientText(PMString()); },
       false},
      {"transient text", nullptr, [&](auto* d) { d->SetTransientText(same); }, true},
      {"no list to no list", nullptr, [](auto* d) { d->SetRecordList(nullptr); }, true},
      {"the list held", holdList, [](auto* d) { d->SetRecordList(d->GetRecordList()); }, true},
      {"set all unchanged", holdList, [](auto* d) { SetAllEmpty(d, 0, d->GetRecordList()); },
       false},
      {"set all with an equal copy", holdList,
       [](auto* d) { SetAllEmpty(d, 0, d->CopyRecordList()); }, true},
      {"set all with another number", holdList,
       [](auto* d) { SetAllEmpty(d, 7, d->GetRecordList()); }, true},
  };
  for (const PreDirtyCase& c : cases) {
    SCOPED_TRACE(c.name);
    const UIDRef frame = NewFrame(c.name);
    InterfacePtr<IVantelleFrameTagData> data = TagData(frame);
    if (c.prepare) c.prepare(data);
    Doc().ClearHistory();
    c.act(data);
    EXPECT_EQ(Doc().CanUndo() != kFalse, c.recorded);
    EXPECT_EQ(Doc().IsModified() != kFalse, c.recorded);
  }
}

TEST_F(FrameTagDataTest, StoredInFixedFieldOrder) {
  const UIDRef frame = NewFrame("f");
  InterfacePtr<IVantelleFrameTagData> data = TagData(frame);
  EXPECT_EQ(HexOfBytes(StoredBytes(frame).data(), StoredBytes(frame).size()), std::string(48, '0'));

  data->SetAll(PMString("A"), PMString(), PMString("BC"), PMString(), 0x01020304,
               BlockFromHex(ListHex({})));
  data->SetTransientText(PMString("never stored"));
  const std::vector<uint8> bytes = StoredBytes(frame);
  EXPECT_EQ(HexOfBytes(bytes.data(), bytes.size()),
            "01020304"  // tag number
            "00000001"
            "0041"      // key field 1
            "00000000"  // key field 2
            "00000002"
            "00420043"  // key field 3
            "00000000"  // key field 4
            "00000008"
            "0000000000000001");  // record list size and bytes

  data->SetRecordList(nullptr);
  const std::vector<uint8> cleared = StoredBytes(frame);
  EXPECT_EQ(HexOfBytes(cleared.data() + cleared.size() - 4, 4), "00000000");
}

// A stored list replaces the one held; a list that cannot be allocated is skipped whole, so the
// stream stays in step with the fields; a size beyond the bytes is refused before allocating.
TEST_F(FrameTagDataTest, ReadingTakesTheStoredListOrNone) {
  const UIDRef frame = NewFrame("f");
  InterfacePtr<IVantelleFrameTagData> data = TagData(frame);
  data->SetAll(PMString("k"), PMString(), PMString(), PMString(), 3, BlockFromHex("0A0B0C"));
  const std::vector<uint8> stored = StoredBytes(frame);
  // Claim a list of 0xFFFFFFF0 bytes and give four.
  std::vector<uint8> overlong(stored.begin(), stored.end() - 7);
  for (uint8 byte : {0xFF, 0xFF, 0xFF, 0xF0, 1, 2, 3, 4}) overlong.push_back(byte);
  const struct {
    const char* name;
    const std::vector<uint8>& bytes;
    const char* held;  // hex of the list held before, null for none
    uint64 failing;
    bool read;
    const char* list;
    uint32 size;
  } cases[] = {
      {"stored list", stored, "FFFFFFFFFF", 0, true, "0A0B0C", 3},
      {"no memory for the list", stored, nullptr, 1, true, "null", 0},
      {"size beyond the bytes", overlong, nullptr, 0, false, "null", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetAllEmpty(data, 0, c.held ? BlockFromHex(c.held) : nullptr);
    const uint64 bytesBefore = Memory()->LiveBytes();
    Memory()->FailAllocation(c.failing);
    EXPECT_EQ(ReadStoredBytes(frame, c.bytes), c.read);
    Memory()->FailAllocation(0);
    EXPECT_EQ(ListHexOf(frame), c.list);
    EXPECT_EQ(data->GetRecordListSize(), c.size);
    if (c.read) {
      EXPECT_EQ(data->GetKeyField1(), PMString("k"));
    }
    if (!c.held) {
      EXPECT_LE(Memory()->LiveBytes(), bytesBefore);
    }
  }
}

}  // namespace
