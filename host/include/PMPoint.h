// A point of the plane in points, y growing downwards.
#pragma once

#include "BaseType.h"

class PMPoint {
 public:
  PMPoint() = default;
  PMPoint(PMReal x, PMReal y) : fX(x), fY(y) {}

  PMReal X() const { return fX; }
  PMReal Y() const { return fY; }

  bool operator==(const PMPoint& o) const { return fX == o.fX && fY == o.fY; }

 private:
  PMReal fX = 0;
  PMReal fY = 0;
};
