// A document's swatches: the four every document starts with, finding by exact name, and
// making process swatches through the undoable command.
#include <cmath>

#include "ISwatch.h"
#include "ISwatchList.h"
#include "LookFixture.h"

namespace {

class SwatchTest : public LookFixture {
 protected:
  // "Name c,m,y,k" per swatch in list order; "Name" alone without process colour.
  static std::string Describe(IDataBase* db) {
    InterfacePtr<IDocument> document(db, db->GetRootUID(), IID_IDOCUMENT);
    InterfacePtr<ISwatchList> list(document->GetWorkspaceRef(), IID_ISWATCHLIST);
    std::string out;
    for (int32 i = 0; i < list->GetSwatchCount(); ++i) {
      InterfacePtr<ISwatch> swatch(db, list->GetNthSwatchUID(i), IID_ISWATCH);
      out += (out.empty() ? "" : "; ") + swatch->GetName().GetUTF8String();
      if (swatch->IsProcessColor()) {
        const ProcessColor c = swatch->GetProcessColor();
        for (PMReal f : {c.cyan, c.magenta, c.yellow, c.black}) out += " " + std::to_string(f);
      }
    }
    return out;
  }
  UID Create(const char* name, PMReal c, PMReal m, PMReal y, PMReal k) {
    InterfacePtr<IPMUnknown> workspace(Workspace(), IID_IPERSISTENTITEM);
    return QueryUtility<ISwatchUtils>()->CreateProcessCMYKSwatch(workspace, PMString(name), c, m, y,
                                                                 k, 0);
  }
};

TEST_F(SwatchTest, FindingTakesTheExactNameInTheGivenDocumentOnly) {
  EXPECT_NE(FindSwatch("Black"), kInvalidUID);
  EXPECT_NE(FindSwatch("None"), FindSwatch("Black"));
  for (const char* name : {"black", "Black ", "", "Blac"}) {
    EXPECT_EQ(FindSwatch(name), kInvalidUID) << name;
  }
  EXPECT_EQ(QueryUtility<ISwatchUtils>()->FindSwatch(PMString("Black"), nullptr), kInvalidUID);

  auto other = DocumentFactory::NewDocument(1, 1);
  InterfacePtr<IDocument> document(other.get(), other->GetRootUID(), IID_IDOCUMENT);
  InterfacePtr<ISwatchList> list(document->GetWorkspaceRef(), IID_ISWATCHLIST);
  list->RemoveSwatch(QueryUtility<ISwatchUtils>()->FindSwatch(PMString("Black"), other.get()));
  EXPECT_EQ(QueryUtility<ISwatchUtils>()->FindSwatch(PMString("Black"), other.get()), kInvalidUID);
  EXPECT_NE(FindSwatch("Black"), kInvalidUID);
}

TEST_F(SwatchTest, AProcessSwatchIsOneUndoableStepAndIsFoundAfterwards) {
  const UID made = Create("QRV Pellow", 0, 0.12, 1.0, 0);
  ASSERT_NE(made, kInvalidUID);
  EXPECT_EQ(FindSwatch("QRV Pellow"), made);
  EXPECT_EQ(Doc().GetUndoName(), PMString("New Swatch"));
  InterfacePtr<ISwatch> swatch(DB(), made, IID_ISWATCH);
  EXPECT_TRUE(swatch->IsProcessColor());
  EXPECT_EQ(swatch->GetProcessColor().magenta, 0.12);

  ASSERT_TRUE(Doc().Undo());
  EXPECT_EQ(FindSwatch("QRV Pellow"), kInvalidUID);
  EXPECT_FALSE(DB()->IsValidUID(made));
  ASSERT_TRUE(Doc().Redo());
  EXPECT_EQ(FindSwatch("QRV Pellow"), made);
}

TEST_F(SwatchTest, SwatchesThatCannotBeMadeChangeNothing) {
  const std::string before = Describe(DB());
  struct Case {
    const char* name;
    PMReal c, m, y, k;
  } cases[] = {{"Black", 0, 0, 0, 1},     {"", 0.5, 0, 0, 0},    {"Over", 1.01, 0, 0, 0},
               {"Under", 0, -0.01, 0, 0}, {"NaN", 0, 0, NAN, 0}, {"Inf", 0, 0, 0, INFINITY}};
  for (const Case& c : cases) EXPECT_EQ(Create(c.name, c.c, c.m, c.y, c.k), kInvalidUID) << c.name;
  EXPECT_EQ(
      QueryUtility<ISwatchUtils>()->CreateProcessCMYKSwatch(nullptr, PMString("X"), 0, 0, 0, 0, 0),
      kInvalidUID);
  EXPECT_EQ(Describe(DB()), before);
  EXPECT_FALSE(Doc().CanUndo());
}

}  // namespace
