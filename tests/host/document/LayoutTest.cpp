#include "IGeometry.h"
#include "IPageItemName.h"
#include "ISpread.h"
#include "persist/Crc32.h"
#include "persist/DocumentFile.h"
#include "persist/DocumentFormat.h"
#include "support/DocumentTest.h"
#include "support/HostTest.h"

namespace {

class LayoutTest : public DocumentTest<HostTest> {
 protected:
  // The names of the top-level items on a page, as the spread lists them: "A B C".
  std::string ItemsOnPage(int32 spreadIndex, int32 pageIndex) const {
    InterfacePtr<ISpread> spread(DB(), Spread(spreadIndex), IID_ISPREAD);
    UIDList items(DB());
    spread->GetItemsOnPage(pageIndex, &items, kFalse, kFalse, kTrue);
    std::string names;
    for (int32 i = 0; i < items.Length(); ++i) {
      InterfacePtr<IPageItemName> name(DB(), items[i], IID_IPAGEITEMNAME);
      names += (names.empty() ? "" : " ") + name->GetName().GetUTF8String();
    }
    return names;
  }
};

TEST_F(LayoutTest, NewDocumentRefusesCountsOutsideItsLimits) {
  EXPECT_FALSE(DocumentFactory::NewDocument(0, 1));
  EXPECT_FALSE(DocumentFactory::NewDocument(1, 0));
  EXPECT_FALSE(DocumentFactory::NewDocument(1, DocumentFactory::kMaxPagesPerSpread + 1));
  EXPECT_FALSE(DocumentFactory::NewDocument(DocumentFactory::kMaxPages / 2 + 1, 2));
  EXPECT_TRUE(DocumentFactory::NewDocument(DocumentFactory::kMaxPages, 1));
}

// What a script cannot ask for (the other refusals run in values.vts).
TEST_F(LayoutTest, OnlyPageItemsCanBeGrouped) {
  UIDList items(DB());
  EXPECT_EQ(LayoutCommands::WhyNotGroupable(items), "nothing to group");
  items.Append(TextFrame(Page(0), "A"));
  items.Append(Page(0));
  EXPECT_EQ(LayoutCommands::WhyNotGroupable(items), "not a page item");
  EXPECT_EQ(LayoutCommands::GroupItems(items, PMString("X")), kInvalidUIDRef);
  EXPECT_EQ(ItemsOnPage(0, 0), "A");
}

// A document may hold the last UID there is (a file names any); then no object can be made in it,
// and the commands that make one fail, changing nothing.
TEST_F(LayoutTest, ADocumentWithoutFreeUIDsMakesNoObjects) {
  const UID a = TextFrame(Page(0), "A");
  const UID b = GraphicFrame(Page(0), "B");
  std::vector<uint8> bytes = DocumentFile::Write(*fDB);
  bytes.resize(bytes.size() - DocumentFormat::kChecksumSize);
  bytes[DocumentFormat::kHeaderSize - 1] += 1;  // one more object: UID 0xFFFFFFFF, no parts
  for (uint8 byte : {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x70, 0x04, 0x01, 0, 0, 0, 0})
    bytes.push_back(byte);
  const uint32 crc = Crc32(bytes.data(), bytes.size());
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8>(crc >> shift));
  std::string error;
  fDB = DocumentFile::Read(bytes.data(), bytes.size(), &error);
  ASSERT_TRUE(fDB) << error;

  EXPECT_FALSE(TextFrame(Page(0), "X"));
  EXPECT_FALSE(GraphicFrame(Spread(0), "Y"));
  EXPECT_FALSE(Group({a, b}, "G"));
  EXPECT_EQ(ItemsOnPage(0, 0), "A B");
  EXPECT_FALSE(fDB->IsModified());
  EXPECT_EQ(DocumentFactory::CheckStructure(DB()), "");
}

}  // namespace
