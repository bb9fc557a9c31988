#include "PMMatrix.h"

#include <algorithm>
#include <cmath>

namespace {

// The scale, shear and rotation of a linear part; see PMMatrix.h.
struct Parts {
  PMReal xScale, yScale, shear;
  PMReal ux, uy;  // the unit vector u
};

Parts Decompose(PMReal a, PMReal b, PMReal c, PMReal d) {
  Parts p{std::hypot(a, b), 0, 0, 1, 0};
  if (p.xScale > 0) {
    p.ux = a / p.xScale;
    p.uy = b / p.xScale;
    if (p.ux < 0 || (p.ux == 0 && p.uy < 0)) {
      p.ux = -p.ux;
      p.uy = -p.uy;
      p.xScale = -p.xScale;
    }
  }
  // v = (-uy, ux); the second row is yScale·v + (yScale·shear)·u.
  p.yScale = -c * p.uy + d * p.ux;
  if (p.yScale != 0) p.shear = (c * p.ux + d * p.uy) / p.yScale;
  return p;
}

}  // namespace

bool16 PMMatrix::IsInvertible() const {
  for (PMReal v : {fA, fB, fC, fD, fTX, fTY}) {
    if (!std::isfinite(v)) return kFalse;
  }
  const PMReal det = Determinant();
  return std::isnormal(det) && std::isfinite(1 / det) ? kTrue : kFalse;
}

void PMMatrix::Transform(PMPoint* point) const {
  const PMReal x = point->X(), y = point->Y();
  *point = PMPoint(fA * x + fC * y + fTX, fB * x + fD * y + fTY);
}

void PMMatrix::Transform(PMRect* rect) const {
  PMPoint corners[] = {PMPoint(rect->Left(), rect->Top()), PMPoint(rect->Right(), rect->Top()),
                       PMPoint(rect->Left(), rect->Bottom()),
                       PMPoint(rect->Right(), rect->Bottom())};
  for (PMPoint& corner : corners) Transform(&corner);
  PMReal left = corners[0].X(), right = left, top = corners[0].Y(), bottom = top;
  for (const PMPoint& corner : corners) {
    left = std::min(left, corner.X());
    right = std::max(right, corner.X());
    top = std::min(top, corner.Y());
    bottom = std::max(bottom, corner.Y());
  }
  *rect = PMRect(left, top, right, bottom);
}

bool16 PMMatrix::Invert() {
  if (!IsInvertible()) return kFalse;
  const PMReal det = Determinant();
  const PMMatrix m = *this;
  fA = m.fD / det;
  fB = -m.fB / det;
  fC = -m.fC / det;
  fD = m.fA / det;
  fTX = -(m.fTX * fA + m.fTY * fC);
  fTY = -(m.fTX * fB + m.fTY * fD);
  return kTrue;
}

void PMMatrix::PostConcat(const PMMatrix& o) {
  const PMMatrix m = *this;
  fA = m.fA * o.fA + m.fB * o.fC;
  fB = m.fA * o.fB + m.fB * o.fD;
  fC = m.fC * o.fA + m.fD * o.fC;
  fD = m.fC * o.fB + m.fD * o.fD;
  fTX = m.fTX * o.fA + m.fTY * o.fC + o.fTX;
  fTY = m.fTX * o.fB + m.fTY * o.fD + o.fTY;
}

PMReal PMMatrix::GetXScale() const {
  return Decompose(fA, fB, fC, fD).xScale;
}

PMReal PMMatrix::GetYScale() const {
  return Decompose(fA, fB, fC, fD).yScale;
}

void PMMatrix::ScaleTo(PMReal xScale, PMReal yScale) {
  const Parts p = Decompose(fA, fB, fC, fD);
  fA = xScale * p.ux;
  fB = xScale * p.uy;
  fC = yScale * (-p.uy + p.shear * p.ux);
  fD = yScale * (p.ux + p.shear * p.uy);
}

void PMMatrix::TranslateTo(PMReal x, PMReal y) {
  fTX = x;
  fTY = y;
}
