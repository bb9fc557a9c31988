#include <vector>

#include "CmdUtils.h"
#include "ErrorUtils.h"
#include "IBroadcastUtils.h"
#include "IPageList.h"
#include "ISubject.h"
#include "UtilsBoss.h"
#include "VantelleCommandIDs.h"
#include "tagdata/TagDataDocumentTest.h"
#include "tagdata/TagRecordBytes.h"

namespace {

constexpr PMIID kTagDataProtocol = IVantelleFrameTagData::kDefaultIID;

// Hears what a subject announces for the tag data protocol.
class TagDataListener : public IObserver {
 public:
  struct Heard {
    ClassID change;
    void* changedBy;
    void* data;
  };
  IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
  void AddRef() const override {}
  void Release() const override {}
  void Update(ClassID change, ISubject*, PMIID, void* changedBy, void* data) override {
    heard.push_back({change, changedBy, data});
  }
  std::vector<Heard> heard;
};

class SetDataCmdTest : public TagDataDocumentTest {
 protected:
  // Runs the set-data command on the items with the data; answers its error code.
  ErrorCode Run(const UIDList& items, const PMString& key1, int32 number, const std::string& list,
                void** commandOut = nullptr) {
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
    InterfacePtr<IVantelleFrameTagData> data(command, IVantelleFrameTagData::kDefaultIID);
    EXPECT_TRUE(command && data);
    data->SetAll(key1, PMString("k2"), PMString("k3"), PMString("k4"), number,
                 list.empty() ? nullptr : BlockFromHex(list));
    command->SetItemList(items);
    if (commandOut) *commandOut = command.get();
    return CmdUtils::ProcessCommand(command);
  }
  UIDList ListOf(std::initializer_list<UIDRef> items) {
    UIDList list(Db());
    for (const UIDRef& item : items) list.Append(item.GetUID());
    return list;
  }
  InterfacePtr<ISubject> SubjectOf(const UIDRef& item) {
    return InterfacePtr<ISubject>(item, ISubject::kDefaultIID);
  }
  InterfacePtr<ISubject> DocumentWideSubject() {
    InterfacePtr<IBroadcastUtils> utils(
        static_cast<IBroadcastUtils*>(UtilsBoss::QueryUtils(IBroadcastUtils::kDefaultIID)));
    return InterfacePtr<ISubject>(utils->QueryBroadcastSubject(Db()));
  }
};

const std::string kList = ListHex({{0x41514D31, "0102"}});

TEST_F(SetDataCmdTest, EveryItemGetsItsOwnCopyAndTheFirstIsAnnounced) {
  const UIDRef first = NewFrame("first");
  const UIDRef second = NewFrame("second");
  TagDataListener firstHears, secondHears, documentHears;
  SubjectOf(first)->AttachObserver(&firstHears, kTagDataProtocol);
  SubjectOf(second)->AttachObserver(&secondHears, kTagDataProtocol);
  DocumentWideSubject()->AttachObserver(&documentHears, kTagDataProtocol);

  void* command = nullptr;
  ASSERT_EQ(Run(ListOf({first, second}), PMString("Vantelle Module"), 9, kList, &command),
            kSuccess);

  for (const UIDRef& item : {first, second}) {
    InterfacePtr<IVantelleFrameTagData> data = TagData(item);
    EXPECT_EQ(data->GetCompositeKey(), PMString("<Vantelle Module_k2_k3_k4>"));
    EXPECT_EQ(data->GetTagNumber(), 9);
    EXPECT_EQ(ListHexOf(item), kList);
  }
  EXPECT_NE(TagData(first)->GetRecordList(), TagData(second)->GetRecordList());

  ASSERT_EQ(firstHears.heard.size(), 1u);
  EXPECT_EQ(firstHears.heard[0].change, kVantelleFrameTagSetDataCmdBoss);
  EXPECT_EQ(firstHears.heard[0].changedBy, command);
  EXPECT_EQ(firstHears.heard[0].data, nullptr);
  EXPECT_TRUE(secondHears.heard.empty());
  ASSERT_EQ(documentHears.heard.size(), 1u);
  EXPECT_EQ(documentHears.heard[0].change, kVantelleFrameTagSetDataCmdBoss);
  EXPECT_EQ(documentHears.heard[0].changedBy, command);

  SubjectOf(first)->DetachObserver(&firstHears, kTagDataProtocol);
  SubjectOf(second)->DetachObserver(&secondHears, kTagDataProtocol);
  DocumentWideSubject()->DetachObserver(&documentHears, kTagDataProtocol);
}

TEST_F(SetDataCmdTest, IsOneNamedStepThatUndoesAndRedoesExactly) {
  const UIDRef first = NewFrame("first");
  const UIDRef second = NewFrame("second");
  ASSERT_EQ(Run(ListOf({first, second}), PMString("a"), 1, kList), kSuccess);
  ASSERT_EQ(Run(ListOf({second}), PMString("b"), 2, ListHex({})), kSuccess);
  EXPECT_EQ(Document().GetUndoName(), PMString("0x182900kVantelleFrameTagSetDataCmdKey"));

  ASSERT_TRUE(Document().Undo());
  EXPECT_EQ(TagData(second)->GetKeyField1(), PMString("a"));
  EXPECT_EQ(ListHexOf(second), kList);
  ASSERT_TRUE(Document().Undo());
  for (const UIDRef& item : {first, second}) {
    EXPECT_EQ(ListHexOf(item), "null");
    EXPECT_EQ(TagData(item)->GetCompositeKey(), PMString("<___>"));
  }
  EXPECT_FALSE(Document().IsModified());

  ASSERT_TRUE(Document().Redo());
  ASSERT_TRUE(Document().Redo());
  EXPECT_EQ(ListHexOf(first), kList);
  EXPECT_EQ(ListHexOf(second), ListHex({}));
  EXPECT_EQ(TagData(second)->GetTagNumber(), 2);
}

TEST_F(SetDataCmdTest, NoItemsIsAnErrorThatChangesNothing) {
  EXPECT_EQ(Run(UIDList(Db()), PMString("a"), 1, kList), kFailure);
  EXPECT_EQ(ErrorUtils::PMGetGlobalErrorCode(), kFailure);
  EXPECT_FALSE(Document().CanUndo());
}

TEST_F(SetDataCmdTest, NoListClearsTheItemsLists) {
  const UIDRef frame = NewFrame("f");
  ASSERT_EQ(Run(ListOf({frame}), PMString("a"), 1, kList), kSuccess);
  ASSERT_EQ(Run(ListOf({frame}), PMString("a"), 1, ""), kSuccess);
  EXPECT_EQ(TagData(frame)->GetRecordList(), nullptr);
  EXPECT_EQ(TagData(frame)->GetRecordListSize(), 0u);
}

TEST_F(SetDataCmdTest, ItemsWithoutTagDataAreSkipped) {
  const UIDRef frame = NewFrame("f");
  InterfacePtr<IPageList> pages(Db(), Db()->GetRootUID(), IID_IPAGELIST);
  const UIDRef page(Db(), pages->GetNthPageUID(0));
  ASSERT_FALSE(TagData(page));
  TagDataListener hears;
  DocumentWideSubject()->AttachObserver(&hears, kTagDataProtocol);

  EXPECT_EQ(Run(ListOf({page, frame}), PMString("a"), 1, kList), kSuccess);
  EXPECT_EQ(ListHexOf(frame), kList);
  // Only the first item is announced, and it has no tag data to announce.
  EXPECT_TRUE(hears.heard.empty());
  DocumentWideSubject()->DetachObserver(&hears, kTagDataProtocol);
}

TEST_F(SetDataCmdTest, AnItemWhoseCopyCannotBeMadeLosesOnlyItsList) {
  const UIDRef first = NewFrame("first");
  const UIDRef second = NewFrame("second");
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kVantelleFrameTagSetDataCmdBoss));
  InterfacePtr<IVantelleFrameTagData> data(command, IVantelleFrameTagData::kDefaultIID);
  data->SetAll(PMString("a"), PMString(), PMString(), PMString(), 5, BlockFromHex(kList));
  command->SetItemList(ListOf({first, second}));
  Memory()->FailAllocation(1);
  ASSERT_EQ(CmdUtils::ProcessCommand(command), kSuccess);
  EXPECT_EQ(ListHexOf(first), "null");
  EXPECT_EQ(TagData(first)->GetTagNumber(), 5);
  EXPECT_EQ(ListHexOf(second), kList);
}

}  // namespace
