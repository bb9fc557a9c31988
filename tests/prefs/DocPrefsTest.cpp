#include "IVantelleDocPrefs.h"
#include "tagdata/PartBytes.h"
#include "tagdata/TagDataDocumentTest.h"
#include "tagdata/TagRecordBytes.h"

namespace {

class DocPrefsTest : public TagDataDocumentTest {
 protected:
  InterfacePtr<IVantelleDocPrefs> Prefs() const {
    return InterfacePtr<IVantelleDocPrefs>(Workspace());
  }
  std::string StoredHex() const {
    const std::vector<uint8> bytes = ::StoredBytes(Prefs(), IVantelleDocPrefs::kDefaultIID);
    return HexOfBytes(bytes.data(), bytes.size());
  }
  std::string TagDataHex() const {
    MemBlock copy = static_cast<MemBlock>(Prefs()->GetTagData());
    std::string hex = HexOfBlock(copy);
    FreeMemBlock(copy);
    return hex;
  }
};

// The two options, then the tag data's size (FFFFFFFF for none) and bytes.
TEST_F(DocPrefsTest, TagDataIsACopyStoredWithItsSize) {
  ASSERT_TRUE(Prefs());
  EXPECT_EQ(Prefs()->GetOption1(), 0);
  EXPECT_EQ(Prefs()->GetOption2(), 1);
  EXPECT_EQ(StoredHex(), "00000001FFFFFFFF") << "a new document's defaults";
  const struct {
    const char* name;
    const char* given;  // hex, null for no block
    uint64 failing;
    std::string copy;  // what GetTagData answers
    std::string stored;
  } cases[] = {
      {"bytes", "0A0B0C", 0, "0A0B0C", "00000001000000030A0B0C"},
      {"empty block", "", 0, "", "0000000100000000"},
      {"no block", nullptr, 0, "null", "00000001FFFFFFFF"},
      {"no memory for the copy", "01", 1, "null", "00000001FFFFFFFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemBlock earlier = BlockFromHex("FFFF");
    Prefs()->SetTagData(earlier);
    FreeMemBlock(earlier);
    MemBlock given = c.given ? BlockFromHex(c.given) : nullptr;
    Memory()->FailAllocation(c.failing);
    Prefs()->SetTagData(given);
    Memory()->FailAllocation(0);
    if (given) {
      EXPECT_EQ(HexOfBlock(given), c.given) << "the caller keeps its block";
      FreeMemBlock(given);
    }
    EXPECT_EQ(TagDataHex(), c.copy);
    EXPECT_EQ(StoredHex(), c.stored);
  }
}

TEST_F(DocPrefsTest, ChangesAreUndoableEqualValuesChangeNothingAndASaveKeepsThem) {
  Prefs()->SetOption1(0);
  Prefs()->SetOption2(1);
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_FALSE(Doc().IsModified());

  Prefs()->SetOption2(7);
  EXPECT_TRUE(Doc().IsModified());
  MemBlock list = BlockFromHex(ListHex({{0x41414141, "0102"}}));
  Prefs()->SetTagData(list);
  ASSERT_TRUE(Doc().Undo());
  EXPECT_EQ(Prefs()->GetOption2(), 7);
  EXPECT_EQ(TagDataHex(), "null");
  ASSERT_TRUE(Doc().Undo());
  EXPECT_EQ(Prefs()->GetOption2(), 1);
  EXPECT_FALSE(Doc().IsModified());

  Prefs()->SetOption1(3);
  Prefs()->SetOption2(0);
  Prefs()->SetTagData(list);
  FreeMemBlock(list);
  SaveAndReopen();
  EXPECT_EQ(Prefs()->GetOption1(), 3);
  EXPECT_EQ(Prefs()->GetOption2(), 0);
  EXPECT_EQ(TagDataHex(), ListHex({{0x41414141, "0102"}}));
}

TEST_F(DocPrefsTest, StoredSizeBeyondTheBytesIsRefused) {
  const std::vector<uint8> hostile = {0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xF0, 1, 2, 3};
  const uint64 bytesBefore = Memory()->LiveBytes();
  EXPECT_FALSE(::ReadStoredBytes(Prefs(), IVantelleDocPrefs::kDefaultIID, hostile));
  EXPECT_EQ(Prefs()->GetTagData(), nullptr);
  EXPECT_LE(Memory()->LiveBytes(), bytesBefore);
}

}  // namespace
