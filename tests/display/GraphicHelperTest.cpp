// The graphic helpers: attributes gathered into pending commands and applied in two stages,
// tints and the switch attribute first.
#include "display/KTDGraphicHelper.h"
#include "display/SnpGraphicHelper.h"
#include "host/graphics/LookFixture.h"

namespace {

class GraphicHelperTest : public LookFixture {
 protected:
  void SetUp() override {
    LookFixture::SetUp();
    fFrame = TextFrame(Page(0), "A");
    Doc().ClearHistory();
  }
  UIDList Items() const { return UIDList(Ref(fFrame)); }
  UID fFrame = kInvalidUID;
};

TEST_F(GraphicHelperTest, OneStageIsOneCommandInTheOrderAddedAndIsThenEmpty) {
  SnpGraphicHelper snp(Items());
  snp.AddStrokeWeight(3);
  snp.AddClassAttribute(0x1234);
  snp.AddStrokeWeight(0.5);
  EXPECT_EQ(snp.ApplyAttributes(), kSuccess);
  EXPECT_EQ(Look(fFrame)->GetStrokeWeight(), 0.5);
  EXPECT_EQ(Look(fFrame)->GetClassAttribute(), 0x1234u);
  EXPECT_EQ(snp.ApplyAttributes(), kFailure) << "a second apply has nothing to run";
  EXPECT_EQ(UndoAll().size(), 1u);
  // A failing command answers its error code, and what is added next runs on its own.
  snp.AddFillSwatch(Page(0));  // a UID that names no swatch
  EXPECT_EQ(snp.ApplyAttributes(), kFailure);
  snp.AddFillSwatch(FindSwatch("Paper"));
  EXPECT_EQ(snp.ApplyAttributes(), kSuccess);
}

TEST_F(GraphicHelperTest, TintsAndTheSwitchGoOneCommandBeforeTheInnerAttributes) {
  const UID black = FindSwatch("Black");
  KTDGraphicHelper ktd(Items());
  ktd.AddFillSwatch(black);
  ktd.AddFillTint(20);
  ktd.AddStrokeSwatch(black);
  ktd.AddStrokeTint(40);
  ktd.AddStrokeWeight(0.25);
  ktd.AddSwitchAttribute(1);
  ktd.AddClassAttribute(0x5A38);
  EXPECT_EQ(ktd.ApplyAttributes(), kSuccess);
  InterfacePtr<IGraphicAttributes> look = Look(fFrame);
  EXPECT_EQ(look->GetFillSwatch(), black);
  EXPECT_EQ(look->GetStrokeSwatch(), black);
  EXPECT_EQ(look->GetFillTint(), 20.0);
  EXPECT_EQ(look->GetStrokeTint(), 40.0);
  EXPECT_EQ(look->GetSwitchAttribute(), 1u);

  // The newest step is the inner helper's: undoing it leaves the tints and the switch.
  ASSERT_TRUE(Doc().Undo());
  look = Look(fFrame);
  EXPECT_EQ(look->GetFillSwatch(), kInvalidUID);
  EXPECT_EQ(look->GetStrokeWeight(), 1.0);
  EXPECT_EQ(look->GetClassAttribute(), 0x5A29u);
  EXPECT_EQ(look->GetFillTint(), 20.0);
  EXPECT_EQ(look->GetSwitchAttribute(), 1u);
  EXPECT_EQ(UndoAll().size(), 1u);
}

TEST_F(GraphicHelperTest, OnlyTintsRunOneCommandAndAnswerTheEmptyInnerStage) {
  KTDGraphicHelper ktd(Items());
  ktd.AddFillTint(60);
  EXPECT_EQ(ktd.ApplyAttributes(), kFailure);
  EXPECT_EQ(Look(fFrame)->GetFillTint(), 60.0);
  EXPECT_EQ(UndoAll().size(), 1u);
}

// Nothing pending answers 1; attributes the utility refuses are dropped; pending ones die with
// the helper.
TEST_F(GraphicHelperTest, NothingToApplyAppliesNothing) {
  EXPECT_EQ(SnpGraphicHelper(Items()).ApplyAttributes(), kFailure);
  {
    KTDGraphicHelper ktd(Items());
    EXPECT_EQ(ktd.ApplyAttributes(), kFailure);
    ktd.AddFillTint(150);
    ktd.AddStrokeWeight(-1);
    EXPECT_EQ(ktd.ApplyAttributes(), kFailure);
    ktd.AddStrokeTint(10);
    ktd.AddStrokeSwatch(FindSwatch("Black"));
  }
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_EQ(Look(fFrame)->GetStrokeTint(), 100.0);
}

TEST_F(GraphicHelperTest, BothHelpersFindSwatchesByExactNameInTheGivenDocument) {
  SnpGraphicHelper snp(Items());
  KTDGraphicHelper ktd(Items());
  for (const char* name : {"None", "Paper", "Black", "Registration", "black", "Nothing"}) {
    EXPECT_EQ(snp.FindSwatch(PMString(name), DB()), FindSwatch(name)) << name;
    EXPECT_EQ(ktd.FindSwatch(PMString(name), DB()), FindSwatch(name)) << name;
  }
  EXPECT_EQ(FindSwatch("black"), kInvalidUID);
  EXPECT_EQ(ktd.FindSwatch(PMString("Black"), nullptr), kInvalidUID);
}

}  // namespace
