// Each data frame type's swatch: found by its name in the document, or made there once with the
// type's colour, and the fill tint that goes with it.
#include <vector>

#include "tagdata/AssignFixture.h"
#include "tagdata/DataFrameVocabulary.h"

namespace {

using AssignTypeSwatchTest = AssignFixture;

// A type without a swatch, and a missing document, leave the tint alone.
TEST_F(AssignTypeSwatchTest, EachTypeMakesItsSwatchOnceAndFindsItAfterwards) {
  struct Row {
    DataFrameType type;
    const char* name;  // null: no swatch
    PMReal c, m, y, k, tint;
  } rows[] = {
      {0, "QRV Vantelle Labels", 1.0, 0, 0, 0, 20},
      {1, "QRV Ormandy Entry", 0.3, 1.0, 0, 0, 20},
      {2, "QRV Ormandy Mfg Entry", 0.2, 0.92, 0, 0, 60},
      {3, "QRV Auxiliary Search Keys", 0.75, 0.05, 1.0, 0, 20},
      {4, "QRV Pellow", 0, 0.12, 1.0, 0, 20},
      {5, "QRV Shared Pellow", 0, 0.42, 1.0, 0, 60},
      {-1, nullptr, 0, 0, 0, 0, 42},
      {6, nullptr, 0, 0, 0, 0, 42},
      {-32768, nullptr, 0, 0, 0, 0, 42},
      {32767, nullptr, 0, 0, 0, 0, 42},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.type);
    PMReal tint = 42;
    const UID made = FindOrCreateTypeSwatch(DB(), r.type, &tint);
    EXPECT_EQ(tint, r.tint);
    if (!r.name) {
      EXPECT_EQ(made, kInvalidUID);
      continue;
    }
    EXPECT_EQ(SwatchName(made), r.name);
    const ProcessColor c = ColorOf(made);
    EXPECT_EQ(std::vector<PMReal>({c.cyan, c.magenta, c.yellow, c.black}),
              std::vector<PMReal>({r.c, r.m, r.y, r.k}));
    tint = -1;
    EXPECT_EQ(FindOrCreateTypeSwatch(DB(), r.type, &tint), made);
    EXPECT_EQ(tint, r.tint);
    EXPECT_EQ(FindOrCreateTypeSwatch(DB(), r.type, nullptr), made);
  }
  PMReal tint = 42;
  EXPECT_EQ(FindOrCreateTypeSwatch(nullptr, kDataFrameTypeLabels, &tint), kInvalidUID);
  EXPECT_EQ(tint, 42);
  EXPECT_EQ(UndoAll().size(), 6u) << "one new swatch per type, none for finding one";
}

TEST_F(AssignTypeSwatchTest, ASwatchOfTheNameIsUsedAsItIsAndAMissingOneIsMadeAgain) {
  const UID first = FindOrCreateTypeSwatch(DB(), kDataFrameTypePellow, nullptr);
  // The user edits the swatch: it is still the one used.
  InterfacePtr<ISwatch>(DB(), first, IID_ISWATCH)
      ->Set(PMString("QRV Pellow"), kTrue, ProcessColor{0.5, 0.5, 0.5, 0.5});
  EXPECT_EQ(FindOrCreateTypeSwatch(DB(), kDataFrameTypePellow, nullptr), first);
  EXPECT_EQ(ColorOf(first).cyan, 0.5);

  // The user renames it, then deletes it: each time a new one of the table's colour is made.
  InterfacePtr<ISwatch>(DB(), first, IID_ISWATCH)
      ->Set(PMString("Yellowish"), kTrue, ProcessColor{0, 0.12, 1.0, 0});
  const UID second = FindOrCreateTypeSwatch(DB(), kDataFrameTypePellow, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(SwatchName(second), "QRV Pellow");
  RemoveSwatch("QRV Pellow");
  const UID third = FindOrCreateTypeSwatch(DB(), kDataFrameTypePellow, nullptr);
  EXPECT_NE(third, second);
  EXPECT_EQ(ColorOf(third).magenta, 0.12);
}

}  // namespace
