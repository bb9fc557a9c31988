// The host's rectangle: left, top, right and bottom edges in points, y growing downwards.
#pragma once

#include "BaseType.h"
#include "PMPoint.h"

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
  PMPoint RightTop() const { return PMPoint(fRight, fTop); }
  // The smallest rectangle that holds this one and the other.
  PMRect Union(const PMRect& o) const {
    return PMRect(fLeft < o.fLeft ? fLeft : o.fLeft, fTop < o.fTop ? fTop : o.fTop,
                  fRight > o.fRight ? fRight : o.fRight, fBottom > o.fBottom ? fBottom : o.fBottom);
  }

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
