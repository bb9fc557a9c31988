#include <vector>

#include "CmdUtils.h"
#include "ErrorUtils.h"
#include "IBroadcastUtils.h"
#include "UtilsBoss.h"
#include "VantelleCommandIDs.h"
#include "support/RecordingObserver.h"
#include "tagdata/TagDataDocumentTest.h"
#include "tagdata/TagRecordBytes.h"

namespace {

constexpr PMIID kTagDataProtocol = IVantelleFrameTagData::kDefaultIID;

class SetDataCmdTest : public TagDataDocumentTest {
 protected:
  // Runs the set-data command on the items with the data, the nth allocation of the run failing
  // when failing is not 0; answers its error code.
  ErrorCode Run(std::initializer_list<UIDRef> items, const PMString& key1, int32 number,
                const std::string& list, void** commandOut = nullptr, uint64 failing = 0) {
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
    InterfacePtr<IVantelleFrameTagData> data(command, IVantelleFrameTagData::kDefaultIID);
    EXPECT_TRUE(command && data);
    data->SetAll(key1, PMString("k2"), PMString("k3"), PMString("k4"), number,
                 list.empty() ? nullptr : BlockFromHex(list));
    UIDList itemList(DB());
    for (const UIDRef& item : items) itemList.Append(item.GetUID());
    command->SetItemList(itemList);
    if (commandOut) *commandOut = command.get();
    Memory()->FailAllocation(failing);
    return CmdUtils::ProcessCommand(command);
  }
  InterfacePtr<ISubject> SubjectOf(const UIDRef& item) {
    return InterfacePtr<ISubject>(item, ISubject::kDefaultIID);
  }
  InterfacePtr<ISubject> DocumentWideSubject() {
    InterfacePtr<IBroadcastUtils> utils(
        static_cast<IBroadcastUtils*>(UtilsBoss::QueryUtils(IBroadcastUtils::kDefaultIID)));
    return InterfacePtr<ISubject>(utils->QueryBroadcastSubject(DB()));
  }
};

const std::string kList = ListHex({{0x41514D31, "0102"}});

TEST_F(SetDataCmdTest, EveryItemGetsItsOwnCopyAndTheFirstIsAnnounced) {
  const UIDRef first = NewFrame("first");
  const UIDRef second = NewFrame("second");
  RecordingObserver firstHears(SubjectOf(first), kTagDataProtocol),
      secondHears(SubjectOf(second), kTagDataProtocol),
      documentHears(DocumentWideSubject(), kTagDataProtocol);

  void* command = nullptr;
  ASSERT_EQ(Run({first, second}, PMString("Vantelle Module"), 9, kList, &command), kSuccess);
  for (const UIDRef& item : {first, second}) {
    InterfacePtr<IVantelleFrameTagData> data = TagData(item);
    EXPECT_EQ(data->GetCompositeKey(), PMString("<Vantelle Module_k2_k3_k4>"));
    EXPECT_EQ(data->GetTagNumber(), 9);
    EXPECT_EQ(ListHexOf(item), kList);
  }
  EXPECT_NE(TagData(first)->GetRecordList(), TagData(second)->GetRecordList());

  EXPECT_TRUE(secondHears.heard.empty());
  for (const RecordingObserver* hears : {&firstHears, &documentHears}) {
    ASSERT_EQ(hears->heard.size(), 1u);
    EXPECT_EQ(hears->heard[0].change, kVantelleFrameTagSetDataCmdBoss);
    EXPECT_EQ(hears->heard[0].changedBy, command);
    EXPECT_EQ(hears->heard[0].data, nullptr);
  }
}

// No items is an error that changes nothing; items without tag data are skipped, and only the
// first item is announced: here it has no tag data to announce.
TEST_F(SetDataCmdTest, ItemsWithoutTagDataAreSkipped) {
  EXPECT_EQ(Run({}, PMString("a"), 1, kList), kFailure);
  EXPECT_EQ(ErrorUtils::PMGetGlobalErrorCode(), kFailure);
  EXPECT_FALSE(Doc().CanUndo());

  const UIDRef frame = NewFrame("f");
  const UIDRef page = Ref(Page(0));
  RecordingObserver hears(DocumentWideSubject(), kTagDataProtocol);
  EXPECT_EQ(Run({page, frame}, PMString("a"), 1, kList), kSuccess);
  EXPECT_EQ(ListHexOf(frame), kList);
  EXPECT_TRUE(hears.heard.empty());
}

// The item whose copy of the list cannot be made would lose its list: the host fails the command
// whole instead.
TEST_F(SetDataCmdTest, AListCopyThatCannotBeMadeFailsTheCommandWhole) {
  const UIDRef first = NewFrame("first");
  const UIDRef second = NewFrame("second");
  ASSERT_EQ(Run({first, second}, PMString("a"), 5, kList), kSuccess);
  Doc().ClearHistory();
  ASSERT_EQ(Run({first, second}, PMString("b"), 6, kList, nullptr, 1), kOutOfMemoryError);
  for (const UIDRef& item : {first, second}) {
    EXPECT_EQ(ListHexOf(item), kList);
    EXPECT_EQ(TagData(item)->GetTagNumber(), 5);
  }
  EXPECT_FALSE(Doc().CanUndo());
}

}  // namespace
