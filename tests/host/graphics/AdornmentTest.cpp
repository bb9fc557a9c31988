// Page items' adornment lists: the add and remove commands, undo, and saving.
#include "CmdUtils.h"
#include "IClassIDData.h"
#include "LookFixture.h"
#include "objectmodel/ObjectModel.h"

namespace {

// Classes the host knows, standing for a plug-in's adornment classes.
constexpr ClassID kFirst = kSwatchBoss;
constexpr ClassID kSecond = kGraphicAttributeBoss;

class AdornmentTest : public LookFixture {
 protected:
  ErrorCode Run(ClassID command, UIDList items, ClassID adornment) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(command));
    InterfacePtr<IClassIDData> data(cmd.get(), IClassIDData::kDefaultIID);
    data->Set(adornment);
    cmd->SetItemList(items);
    return CmdUtils::ProcessCommand(cmd);
  }
  ErrorCode Add(UID item, ClassID adornment) {
    return Run(kAddPageItemAdornmentCmdBoss, UIDList(Ref(item)), adornment);
  }
  ErrorCode Remove(UID item, ClassID adornment) {
    return Run(kRemovePageItemAdornmentCmdBoss, UIDList(Ref(item)), adornment);
  }
  static std::string Classes(IDataBase* db, UID item) {
    InterfacePtr<IPageItemAdornmentList> list(db, item, IID_IPAGEITEMADORNMENTLIST);
    std::string out;
    for (int32 i = 0; i < list->GetAdornmentCount(); ++i) {
      out += (i ? "," : "") + std::to_string(list->GetNthAdornment(i));
    }
    return out;
  }
};

TEST_F(AdornmentTest, ClassesAreListedOnceInTheOrderAttached) {
  const UID a = TextFrame(Page(0), "A");
  EXPECT_EQ(Classes(DB(), a), "");
  ASSERT_EQ(Add(a, kFirst), kSuccess);
  ASSERT_EQ(Add(a, kSecond), kSuccess);
  ASSERT_EQ(Add(a, kFirst), kSuccess);
  const std::string both = std::to_string(kFirst) + "," + std::to_string(kSecond);
  EXPECT_EQ(Classes(DB(), a), both);
  EXPECT_TRUE(Adornments(a)->HasAdornment(kSecond));

  ASSERT_EQ(Remove(a, kFirst), kSuccess);
  EXPECT_EQ(Classes(DB(), a), std::to_string(kSecond));
  ASSERT_EQ(Remove(a, kFirst), kSuccess);  // absent: nothing to do
  EXPECT_EQ(Doc().GetUndoName(), PMString("Remove Adornment"));

  ASSERT_TRUE(Doc().Undo());
  EXPECT_EQ(Classes(DB(), a), both);
}

TEST_F(AdornmentTest, CommandsThatCannotApplyChangeNoItem) {
  const UID a = TextFrame(Page(0), "A");
  const UID g = GraphicFrame(Page(0), "G");
  Doc().ClearHistory();
  EXPECT_EQ(Add(a, 0x7FFFFF), kFailure);  // a class the host does not know
  EXPECT_EQ(Add(a, kInvalidClass), kFailure);
  UIDList withPage(DB());
  withPage.Append(g);
  withPage.Append(Page(0));  // a page keeps no adornments
  EXPECT_EQ(Run(kAddPageItemAdornmentCmdBoss, withPage, kFirst), kFailure);
  EXPECT_EQ(Run(kRemovePageItemAdornmentCmdBoss, UIDList(DB()), kFirst), kFailure);
  EXPECT_EQ(Classes(DB(), a), "");
  EXPECT_EQ(Classes(DB(), g), "");
  EXPECT_FALSE(Doc().CanUndo());

  // Detaching needs no known class: a document may name one of a plug-in that is not loaded.
  EXPECT_EQ(Remove(a, 0x7FFFFF), kSuccess);
}

}  // namespace
