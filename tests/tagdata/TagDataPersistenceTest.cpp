#include "tagdata/DataFrameMarker.h"
#include "tagdata/TagDataDocumentTest.h"
#include "tagdata/TagRecordBytes.h"
#include "tagdata/TagRecordSource.h"

namespace {

using TagDataPersistenceTest = TagDataDocumentTest;

TEST_F(TagDataPersistenceTest, SaveAndReopenKeepsTagDataOfItemsInGroups) {
  UIDRef outer = NewFrame("outer");
  UIDRef inner = NewFrame("inner");
  UIDRef plain = NewFrame("plain");
  UIDList members(Db());
  members.Append(inner.GetUID());
  UIDRef group = NewGroup(members, "group");
  ASSERT_NE(group, kInvalidUIDRef);

  ASSERT_TRUE(WriteTagRecord(inner, kTagRecordSourceItem, kDataFrameMarkerKey,
                             NewDataFrameMarker(PMString("in group"), 1), kDataFrameMarkerSize));
  TagData(group)->SetAll(PMString("g1"), PMString("g2"), PMString(), PMString("g4"), -5,
                         BlockFromHex(ListHex({{0x41414141, ""}})));
  TagData(outer)->SetRecordList(BlockFromHex(ListHex({}, 9)));
  TagData(outer)->SetTransientText(PMString("not kept"));
  const std::string innerList = ListHexOf(inner);

  SaveAndReopen();
  outer = Reopened(outer);
  inner = Reopened(inner);
  plain = Reopened(plain);
  group = Reopened(group);

  EXPECT_EQ(ListHexOf(inner), innerList);
  MemBlock marker = nullptr;
  uint32 length = 0;
  ASSERT_TRUE(ReadTagRecord(inner, kTagRecordSourceItem, kDataFrameMarkerKey, &marker, &length));
  EXPECT_EQ(ReadDataFrameMarker(marker, length).frameID, PMString("in group"));
  EXPECT_EQ(ReadDataFrameMarker(marker, length).slugPosition, 1);
  FreeMemBlock(marker);

  EXPECT_EQ(TagData(group)->GetCompositeKey(), PMString("<g1_g2__g4>"));
  EXPECT_EQ(TagData(group)->GetTagNumber(), -5);
  EXPECT_EQ(ListHexOf(group), ListHex({{0x41414141, ""}}));
  EXPECT_EQ(ListHexOf(outer), ListHex({}, 9));
  EXPECT_EQ(TagData(outer)->GetTransientText(), PMString());
  EXPECT_EQ(ListHexOf(plain), "null");
  EXPECT_FALSE(Document().IsModified());
}

}  // namespace
