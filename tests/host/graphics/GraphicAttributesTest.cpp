// Page items' looks: the attribute-list command, the ranges the utility keeps, the non-printing
// command and the opacity utility; each change is one undoable step or nothing at all.
#include <cmath>

#include "CmdUtils.h"
#include "IApplyAttributesCmdData.h"
#include "LookFixture.h"

namespace {

class GraphicAttributesTest : public LookFixture {
 protected:
  void SetUp() override {
    LookFixture::SetUp();
    fA = TextFrame(Page(0), "A");
    fB = GraphicFrame(Page(0), "B");
    Doc().ClearHistory();
    fUtils = QueryUtility<IGraphicAttributeUtils>();
    ASSERT_TRUE(fUtils);
  }
  void TearDown() override {
    fUtils.reset();
    LookFixture::TearDown();
  }

  // Runs the attribute-list command with the attributes (whose references it releases).
  ErrorCode Apply(const UIDList& items, std::initializer_list<IPMUnknown*> attributes) {
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kApplyAttributesCmdBoss));
    InterfacePtr<IApplyAttributesCmdData> list(command.get(), IID_IAPPLYATTRIBUTESCMDDATA);
    for (IPMUnknown* attribute : attributes) {
      EXPECT_NE(attribute, nullptr);
      if (!attribute) continue;
      list->AddAttribute(attribute);
      attribute->Release();
    }
    command->SetItemList(items);
    return CmdUtils::ProcessCommand(command);
  }
  UIDList Items(std::initializer_list<UID> uids) const {
    UIDList items(DB());
    for (UID uid : uids) items.Append(uid);
    return items;
  }
  std::string Describe(UID item) const {
    InterfacePtr<IGraphicAttributes> look = Look(item);
    return std::to_string(look->GetFillSwatch()) + " " + std::to_string(look->GetFillTint()) + " " +
           std::to_string(look->GetStrokeSwatch()) + " " + std::to_string(look->GetStrokeTint()) +
           " " + std::to_string(look->GetStrokeWeight()) + " " +
           std::to_string(look->GetClassAttribute()) + " " +
           std::to_string(look->GetSwitchAttribute()) + " " +
           std::to_string(look->GetNonPrinting()) + " " + std::to_string(look->GetOpacity());
  }

  InterfacePtr<IGraphicAttributeUtils> fUtils;
  UID fA = kInvalidUID;
  UID fB = kInvalidUID;
};

TEST_F(GraphicAttributesTest, TheUtilityMakesNoAttributeOutsideItsRange) {
  enum Kind { kFillTint, kStrokeTint, kWeight };
  struct Case {
    Kind kind;
    PMReal value;
    bool made;
  } cases[] = {{kFillTint, 0, true},       {kFillTint, 100, true},    {kFillTint, 100.5, false},
               {kFillTint, -1, false},     {kStrokeTint, NAN, false}, {kStrokeTint, 50, true},
               {kWeight, 1000, true},      {kWeight, 1000.5, false},  {kWeight, -0.1, false},
               {kWeight, INFINITY, false}, {kWeight, 0, true}};
  for (const Case& c : cases) {
    InterfacePtr<IPMUnknown> attribute(
        c.kind == kFillTint     ? fUtils->CreateFillTintAttribute(c.value)
        : c.kind == kStrokeTint ? fUtils->CreateStrokeTintAttribute(c.value)
                                : fUtils->CreateStrokeWeightAttribute(c.value));
    EXPECT_EQ(attribute != nullptr, c.made) << c.kind << " " << c.value;
  }
}

TEST_F(GraphicAttributesTest, AnInvalidSwatchOrAnItemWithoutALookChangesNoItem) {
  const std::string before = Describe(fA);
  // A UID that names no swatch: the page.
  EXPECT_EQ(Apply(Items({fA}),
                  {fUtils->CreateFillTintAttribute(5), fUtils->CreateFillSwatchAttribute(Page(0))}),
            kFailure);
  // The second item, a page, has no look: the first keeps its own.
  EXPECT_EQ(Apply(Items({fA, Page(0)}), {fUtils->CreateFillTintAttribute(5)}), kFailure);
  EXPECT_EQ(Apply(Items({}), {fUtils->CreateFillTintAttribute(5)}), kFailure);
  EXPECT_EQ(Describe(fA), before);
  EXPECT_FALSE(Doc().CanUndo());

  // A swatch UID of 0 means no swatch and is taken.
  EXPECT_EQ(Apply(Items({fA}), {fUtils->CreateStrokeSwatchAttribute(kInvalidUID)}), kSuccess);
}

TEST_F(GraphicAttributesTest, OpacityIsAPercentSetInOneUndoableStep) {
  InterfacePtr<ITransparencyUtils> transparency = QueryUtility<ITransparencyUtils>();
  EXPECT_EQ(transparency->ApplyOpacity(Items({fA, fB}), 75.0), kSuccess);
  EXPECT_EQ(Look(fA)->GetOpacity(), 75.0);
  EXPECT_EQ(Look(fB)->GetOpacity(), 75.0);
  EXPECT_EQ(Doc().GetUndoName(), PMString("Opacity"));
  for (PMReal bad : {-1.0, 100.1, static_cast<double>(NAN)}) {
    EXPECT_EQ(transparency->ApplyOpacity(Items({fA}), bad), kFailure) << bad;
  }
  EXPECT_EQ(transparency->ApplyOpacity(Items({}), 50.0), kFailure);
  EXPECT_EQ(transparency->ApplyOpacity(Items({fA, Page(0)}), 50.0), kFailure);
  EXPECT_EQ(Look(fA)->GetOpacity(), 75.0);
  ASSERT_TRUE(Doc().Undo());
  EXPECT_EQ(Look(fA)->GetOpacity(), 100.0);
  EXPECT_FALSE(Doc().CanUndo());
}

}  // namespace
