#include "CmdUtils.h"
#include "TestObjects.h"
#include "database/Database.h"
#include "support/HostTest.h"

namespace {

class UndoTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    RegisterTestClasses();
    fDb = std::make_unique<Database>(kTestItemClass);
    fItem = fDb->NewUID(kTestItemClass);
    fDb->ClearHistory();
  }
  void TearDown() override {
    fDb.reset();
    HostTest::TearDown();
  }

  InterfacePtr<ICommand> SetCmd(int32 number, UID uid = kInvalidUID) {
    return MakeSetValueCmd(UIDList(UIDRef(fDb.get(), uid == kInvalidUID ? fItem : uid)), number);
  }
  ErrorCode Set(int32 number, UID uid = kInvalidUID) {
    return CmdUtils::ProcessCommand(SetCmd(number, uid));
  }
  int32 Number(UID uid = kInvalidUID) {
    return NumberOf(fDb.get(), uid == kInvalidUID ? fItem : uid);
  }
  std::string UndoName() { return fDb->GetUndoName().GetUTF8String(); }

  std::unique_ptr<Database> fDb;
  UID fItem = kInvalidUID;
};

TEST_F(UndoTest, UndoRestoresTheExactBytesOfEveryTouchedImplementation) {
  UID second = fDb->NewUID(kTestItemClass);
  fDb->ClearHistory();
  UIDList items(fDb.get());
  items.Append(fItem);
  items.Append(second);
  PMString text;
  text.AppendUTF32TextChar(0x1F600);
  ASSERT_EQ(CmdUtils::ProcessCommand(MakeSetValueCmd(items, 3, text)), kSuccess);
  ASSERT_TRUE(fDb->Undo());
  for (UID uid : {fItem, second}) {
    InterfacePtr<ITestValue> value(fDb.get(), uid);
    EXPECT_EQ(value->GetNumber(), 0);
    EXPECT_TRUE(value->GetText().IsEmpty());
  }
  ASSERT_TRUE(fDb->Redo());
  InterfacePtr<ITestValue> value(fDb.get(), second);
  EXPECT_EQ(value->GetNumber(), 3);
  EXPECT_EQ(value->GetText(), text);
}

TEST_F(UndoTest, ASequenceIsOneStepUnderTheOutermostName) {
  Set(9);
  ICommandSequence* outer = CmdUtils::BeginCommandSequence();
  outer->SetName("OuterKey");
  Set(1);
  ICommandSequence* inner = CmdUtils::BeginCommandSequence();
  inner->SetName("InnerKey");
  Set(2);
  CmdUtils::EndCommandSequence(inner);
  EXPECT_FALSE(fDb->Undo()) << "refused while a sequence is open";
  EXPECT_EQ(UndoName(), "TestSetValueKey") << "the step stays open until the outermost ends";
  Set(3);
  CmdUtils::EndCommandSequence(outer);
  CmdUtils::EndCommandSequence(CmdUtils::BeginCommandSequence());  // changes nothing: no step
  EXPECT_EQ(UndoName(), "OuterKey");
  ASSERT_TRUE(fDb->Undo());
  EXPECT_EQ(Number(), 9);
  ASSERT_TRUE(fDb->Undo());
  EXPECT_FALSE(fDb->CanUndo());
  ASSERT_TRUE(fDb->Redo());
  ASSERT_TRUE(fDb->Redo());
  EXPECT_EQ(Number(), 3);
}

TEST_F(UndoTest, CreationAndDeletionAreUndoneAndRedone) {
  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  sequence->SetName("MakeKey");
  UID made = fDb->NewUID(kTestItemClass);
  Set(9, made);
  fDb->DeleteUID(fItem);
  CmdUtils::EndCommandSequence(sequence);
  EXPECT_FALSE(fDb->IsValidUID(fItem));

  ASSERT_TRUE(fDb->Undo());
  EXPECT_FALSE(fDb->IsValidUID(made));
  EXPECT_EQ(fDb->GetClass(made), kInvalidClass);
  EXPECT_TRUE(fDb->IsValidUID(fItem));
  EXPECT_EQ(Number(), 0);

  ASSERT_TRUE(fDb->Redo());
  EXPECT_EQ(Number(made), 9);
  EXPECT_FALSE(fDb->IsValidUID(fItem));
  EXPECT_EQ(fDb->NewUID(kTestItemClass), made + 1) << "UIDs are never given twice";
}

TEST_F(UndoTest, AFailedCommandIsRolledBackAndLeavesItsErrorCode) {
  Set(4);
  InterfacePtr<ICommand> failing = SetCmd(8);
  SetValueCmdOf(failing)->fail = true;
  EXPECT_EQ(CmdUtils::ProcessCommand(failing), kFailure);
  EXPECT_EQ(ErrorUtils::PMGetGlobalErrorCode(), kFailure);
  EXPECT_EQ(SetValueCmdOf(failing)->notified, 0);
  EXPECT_EQ(Number(), 4);
  ASSERT_TRUE(fDb->Undo());
  EXPECT_EQ(Number(), 0) << "the failed command left no step of its own";
  EXPECT_EQ(Set(5), kSuccess);
  EXPECT_EQ(ErrorUtils::PMGetGlobalErrorCode(), kSuccess);
}

TEST_F(UndoTest, AFailedCommandInsideASequenceKeepsTheOthersChanges) {
  UID other = fDb->NewUID(kTestItemClass);
  fDb->ClearHistory();
  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  Set(1, other);
  InterfacePtr<ICommand> failing = SetCmd(8);
  SetValueCmdOf(failing)->fail = true;
  CmdUtils::ProcessCommand(failing);
  CmdUtils::EndCommandSequence(sequence);
  EXPECT_EQ(Number(other), 1);
  EXPECT_EQ(Number(), 0);
  ASSERT_TRUE(fDb->Undo());
  EXPECT_EQ(Number(other), 0);
}

TEST_F(UndoTest, AnAutoUndoCommandJoinsTheStepBeforeIt) {
  Set(1);
  Set(2);
  InterfacePtr<ICommand> followUp = SetCmd(3);
  followUp->SetUndoability(ICommand::kAutoUndo);
  CmdUtils::ProcessCommand(followUp);
  ASSERT_TRUE(fDb->Undo());
  EXPECT_EQ(Number(), 1);
  ASSERT_TRUE(fDb->Redo());
  EXPECT_EQ(Number(), 3);
}

TEST_F(UndoTest, ChangesOutsideCommandsAreAStepEachOrOneStepPerTransaction) {
  UID other = fDb->NewUID(kTestItemClass);
  fDb->ClearHistory();
  InterfacePtr<ITestValue>(fDb.get(), other)->SetNumber(6);
  EXPECT_EQ(UndoName(), "Change");
  EXPECT_FALSE(fDb->GetUndoName().GetTranslatable());
  ASSERT_TRUE(fDb->Undo());
  EXPECT_EQ(Number(other), 0);
  fDb->BeginTransaction();
  InterfacePtr<ITestValue>(fDb.get(), fItem)->SetNumber(1);
  fDb->BeginTransaction();
  InterfacePtr<ITestValue>(fDb.get(), other)->SetNumber(2);
  fDb->EndTransaction();
  EXPECT_FALSE(fDb->CanUndo());
  fDb->EndTransaction();
  ASSERT_TRUE(fDb->Undo());
  EXPECT_EQ(Number(), 0);
  EXPECT_EQ(Number(other), 0);
  EXPECT_FALSE(fDb->CanUndo());
}

TEST_F(UndoTest, ATransactionInsideASequenceJoinsIt) {
  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  sequence->SetName("SeqKey");
  fDb->BeginTransaction();
  InterfacePtr<ITestValue>(fDb.get(), fItem)->SetNumber(1);
  fDb->EndTransaction();
  Set(2);
  CmdUtils::EndCommandSequence(sequence);
  EXPECT_EQ(UndoName(), "SeqKey");
  fDb->Undo();
  EXPECT_EQ(Number(), 0);
}

TEST_F(UndoTest, ChangesToImplementationsThatAreNotStoredAreNotRecorded) {
  UID loose = fDb->NewUID(kTestVolatileClass);
  fDb->ClearHistory();
  InterfacePtr<ITestValue>(fDb.get(), loose)->SetNumber(3);
  EXPECT_FALSE(fDb->CanUndo());
  EXPECT_FALSE(fDb->IsModified());
}

}  // namespace
