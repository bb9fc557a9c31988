// The geometry of a page item: its bounding box in inner coordinates. The host's inner
// coordinates of a page item are those of its spread's pasteboard: page n of a spread (from 0)
// spans x from n × 612 to (n + 1) × 612 and y from 0 to 792.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "PMRect.h"

class IGeometry : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IGEOMETRY };

  virtual PMRect GetBoundingBox() const = 0;
  virtual void SetBoundingBox(const PMRect& bounds) = 0;
};
