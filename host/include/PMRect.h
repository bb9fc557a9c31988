// The host's rectangle: left, top, right and bottom edges in points, y growing downwards.
#pragma once

#include "BaseType.h"

class PMRect {
 public:
  PMRect() = default;
  PMRect(PMReal left, PMReal top, PMReal right, PMReal bottom)
      : fLeft(left), fTop(top), fRight(right), fBottom(bottom) {}

  PMReal Left() const { return fLeft; }
  PMReal Top() const { return fTop; }
  PMReal Right() const { return fRight; }
  PMReal Bottom() const { return fBottom; }
  PMReal Width() const { return fRight - fLeft; }
  PMReal Height() const { return fBottom - fTop; }

  bool operator==(const PMRect& o) const {
    return fLeft == o.fLeft && fTop == o.fTop && fRight == o.fRight && fBottom == o.fBottom;
  }
  bool operator!=(const PMRect& o) const { return !(*this == o); }

 private:
  PMReal fLeft = 0;
  PMReal fTop = 0;
  PMReal fRight = 0;
  PMReal fBottom = 0;
};
