// An affine map of the plane: the point (x, y) goes to (a·x + c·y + tx, b·x + d·y + ty). The six
// numbers are given in the order a, b, c, d, tx, ty.
//
// The linear part is read as a scale, a shear and a rotation, applied in this order: the rows
// (a, b) and (c, d) are sx·u and sy·(v + h·u), where u is a unit vector at an angle above -90°
// and at most 90°, v is u turned by 90° and h is the shear. So the scales carry the mirroring: a
// map that mirrors has scales of opposite signs, and a half turn has both negative.
#pragma once

#include "BaseType.h"
#include "PMPoint.h"
#include "PMRect.h"

class HOST_API PMMatrix {
 public:
  // The identity.
  PMMatrix() = default;
  PMMatrix(PMReal a, PMReal b, PMReal c, PMReal d, PMReal tx, PMReal ty)
      : fA(a), fB(b), fC(c), fD(d), fTX(tx), fTY(ty) {}

  PMReal A() const { return fA; }
  PMReal B() const { return fB; }
  PMReal C() const { return fC; }
  PMReal D() const { return fD; }
  PMReal GetXTranslation() const { return fTX; }
  PMReal GetYTranslation() const { return fTY; }
  PMReal Determinant() const { return fA * fD - fB * fC; }
  // Whether every number is finite and the map has an inverse.
  bool16 IsInvertible() const;

  void Transform(PMPoint* point) const;
  // The smallest rectangle that holds the mapped corners of the rectangle.
  void Transform(PMRect* rect) const;

  // Makes this matrix its inverse; a matrix without one is left as it is and answers false.
  bool16 Invert();
  // This map followed by other.
  void PostConcat(const PMMatrix& other);

  PMReal GetXScale() const;
  PMReal GetYScale() const;
  // Replaces the scales, keeping rotation, shear and translation.
  void ScaleTo(PMReal xScale, PMReal yScale);
  void TranslateTo(PMReal x, PMReal y);

  bool operator==(const PMMatrix& o) const {
    return fA == o.fA && fB == o.fB && fC == o.fC && fD == o.fD && fTX == o.fTX && fTY == o.fTY;
  }
  bool operator!=(const PMMatrix& o) const { return !(*this == o); }

 private:
  PMReal fA = 1, fB = 0, fC = 0, fD = 1, fTX = 0, fTY = 0;
};
