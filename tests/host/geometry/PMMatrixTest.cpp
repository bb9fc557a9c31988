// The matrix operations the adornments rely on: scales that carry mirroring, replacing them while
// keeping the rotation, inverting, and the order of concatenation.
#include <gtest/gtest.h>

#include "PMMatrix.h"

namespace {

void ExpectNear(const PMMatrix& m, const PMMatrix& expected) {
  EXPECT_NEAR(m.A(), expected.A(), 1e-12);
  EXPECT_NEAR(m.B(), expected.B(), 1e-12);
  EXPECT_NEAR(m.C(), expected.C(), 1e-12);
  EXPECT_NEAR(m.D(), expected.D(), 1e-12);
  EXPECT_NEAR(m.GetXTranslation(), expected.GetXTranslation(), 1e-9);
  EXPECT_NEAR(m.GetYTranslation(), expected.GetYTranslation(), 1e-9);
}

TEST(PMMatrixTest, ScalesCarryTheMirroringAndScaleToKeepsTheRest) {
  struct Case {
    PMMatrix m;
    PMReal xScale, yScale;
    PMMatrix unitScales;  // after ScaleTo(sign of x scale, sign of y scale)
  };
  const Case cases[] = {
      {PMMatrix(2, 0, 0, 3, 5, 7), 2, 3, PMMatrix(1, 0, 0, 1, 5, 7)},
      {PMMatrix(-1, 0, 0, 1, 0, 0), -1, 1, PMMatrix(-1, 0, 0, 1, 0, 0)},
      {PMMatrix(1, 0, 0, -2, 0, 0), 1, -2, PMMatrix(1, 0, 0, -1, 0, 0)},
      {PMMatrix(-2, 0, 0, -2, 0, 0), -2, -2, PMMatrix(-1, 0, 0, -1, 0, 0)},  // a half turn
      {PMMatrix(0, 2, -2, 0, 0, 0), 2, 2, PMMatrix(0, 1, -1, 0, 0, 0)},      // a quarter turn
      {PMMatrix(0, -3, 3, 0, 0, 0), -3, -3, PMMatrix(0, -1, 1, 0, 0, 0)},
      {PMMatrix(2, 0, 1, 2, 0, 0), 2, 2, PMMatrix(1, 0, 0.5, 1, 0, 0)},  // sheared
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(c.m.GetXScale(), c.xScale, 1e-12) << c.m.A() << " " << c.m.B();
    EXPECT_NEAR(c.m.GetYScale(), c.yScale, 1e-12) << c.m.C() << " " << c.m.D();
    PMMatrix scaled = c.m;
    scaled.ScaleTo(c.xScale < 0 ? -1 : 1, c.yScale < 0 ? -1 : 1);
    ExpectNear(scaled, c.unitScales);
  }
}

TEST(PMMatrixTest, InvertUndoesAndPostConcatAppliesThisFirst) {
  const PMMatrix m(0.5, 1, -2, 3, 10, -4);
  PMMatrix inverse = m;
  ASSERT_TRUE(inverse.Invert());
  PMMatrix product = m;
  product.PostConcat(inverse);
  ExpectNear(product, PMMatrix());

  PMMatrix scaleThenMove(2, 0, 0, 2, 0, 0);
  scaleThenMove.PostConcat(PMMatrix(1, 0, 0, 1, 10, 20));
  PMPoint p(1, 1);
  scaleThenMove.Transform(&p);
  EXPECT_EQ(p, PMPoint(12, 22));

  PMMatrix singular(1, 2, 2, 4, 0, 0);
  EXPECT_FALSE(singular.Invert());
  EXPECT_EQ(singular, PMMatrix(1, 2, 2, 4, 0, 0));
}

TEST(PMMatrixTest, ARectangleMapsToTheBoxAroundItsCorners) {
  PMRect r(0, 0, 10, 20);
  PMMatrix(0, 1, -1, 0, 100, 0).Transform(&r);  // a quarter turn, then moved
  EXPECT_EQ(r, PMRect(80, 0, 100, 10));
}

}  // namespace
