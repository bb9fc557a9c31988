// Process swatches that cannot be made change nothing (finding and making them run through the
// plug-in's type swatches in AssignTypeSwatchTest).
#include <cmath>

#include "ISwatch.h"
#include "ISwatchList.h"
#include "LookFixture.h"

namespace {

class SwatchTest : public LookFixture {
 protected:
  // "Name c,m,y,k" per swatch in list order; "Name" alone without process colour.
  std::string Describe() const {
    InterfacePtr<ISwatchList> list(Workspace(), IID_ISWATCHLIST);
    std::string out;
    for (int32 i = 0; i < list->GetSwatchCount(); ++i) {
      InterfacePtr<ISwatch> swatch(DB(), list->GetNthSwatchUID(i), IID_ISWATCH);
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

TEST_F(SwatchTest, SwatchesThatCannotBeMadeChangeNothing) {
  const std::string before = Describe();
  struct Case {
    const char* name;
    PMReal c, m, y, k;
  } cases[] = {{"Black", 0, 0, 0, 1},     {"", 0.5, 0, 0, 0},    {"Over", 1.01, 0, 0, 0},
               {"Under", 0, -0.01, 0, 0}, {"NaN", 0, 0, NAN, 0}, {"Inf", 0, 0, 0, INFINITY}};
  for (const Case& c : cases) EXPECT_EQ(Create(c.name, c.c, c.m, c.y, c.k), kInvalidUID) << c.name;
  EXPECT_EQ(
      QueryUtility<ISwatchUtils>()->CreateProcessCMYKSwatch(nullptr, PMString("X"), 0, 0, 0, 0, 0),
      kInvalidUID);
  EXPECT_EQ(Describe(), before);
  EXPECT_FALSE(Doc().CanUndo());
}

}  // namespace
