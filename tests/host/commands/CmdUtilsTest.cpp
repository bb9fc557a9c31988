#include "CmdUtils.h"
#include "ErrorUtils.h"
#include "database/Database.h"
#include "host/database/TestObjects.h"
#include "support/HostTest.h"

namespace {

class CmdUtilsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    RegisterTestClasses();
  }
};

TEST_F(CmdUtilsTest, ChangesInTwoDatabasesUnderOneSequenceAreAStepInEach) {
  Database first(kTestItemClass), second(kTestItemClass);
  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  sequence->SetName("BothKey");
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&first, 1)), 1));
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&second, 1)), 2));
  CmdUtils::EndCommandSequence(sequence);
  EXPECT_EQ(first.GetUndoName(), PMString("BothKey"));
  EXPECT_EQ(second.GetUndoName(), PMString("BothKey"));
  second.Undo();
  EXPECT_EQ(NumberOf(&first, 1), 1);
  EXPECT_EQ(NumberOf(&second, 1), 0);
}

TEST_F(CmdUtilsTest, AnAbortedSequenceUndoesItsCommandsAndLeavesNoStep) {
  Database db(kTestItemClass);
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&db, 1)), 1));
  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  sequence->SetName("AbortedKey");
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&db, 1)), 2));
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&db, 1)), 3));
  CmdUtils::AbortCommandSequence(sequence);
  CmdUtils::AbortCommandSequence(nullptr);
  EXPECT_EQ(NumberOf(&db, 1), 1);
  EXPECT_NE(db.GetUndoName(), PMString("AbortedKey")) << "the step before stays the last";
  db.Undo();
  EXPECT_EQ(NumberOf(&db, 1), 0);
  EXPECT_FALSE(db.CanUndo());
}

TEST_F(CmdUtilsTest, ADatabaseClosedInsideASequenceLeavesTheOthersStep) {
  Database kept(kTestItemClass);
  ICommandSequence* sequence = CmdUtils::BeginCommandSequence();
  {
    Database closed(kTestItemClass);
    CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&closed, 1)), 1));
  }
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&kept, 1)), 2));
  CmdUtils::EndCommandSequence(sequence);
  EXPECT_TRUE(kept.CanUndo());
}

TEST_F(CmdUtilsTest, ADatabaseClosedInsideItsOwnTransactionEndsItsScope) {
  Database kept(kTestItemClass);
  {
    Database closed(kTestItemClass);
    closed.BeginTransaction();
  }
  CmdUtils::ProcessCommand(MakeSetValueCmd(UIDList(UIDRef(&kept, 1)), 2));
  EXPECT_TRUE(kept.CanUndo());
}

}  // namespace
