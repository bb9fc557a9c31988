// A page-item adornment: an object of a class in the item's adornment list
// (IPageItemAdornmentList) that draws beside or over the item. The host makes one object of the
// class for the item it draws, calls it with the item as the shape, and releases it.
#pragma once

#include "GraphicsData.h"
#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "PMMatrix.h"
#include "PMRect.h"

typedef int32 AdornmentDrawOrder;
// Drawn right after the item itself (fill, stroke, text), before the items in front of it, in the
// item's inner coordinates.
constexpr AdornmentDrawOrder kAfterItemDrawOrder = 256;

class IAdornmentShape : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IADORNMENTSHAPE };

  // The draw order at which the host calls DrawAdornment.
  virtual AdornmentDrawOrder GetDrawOrderBits() = 0;
  // Draws for the item (shape) into the graphics data's port, whose transform maps the item's
  // inner coordinates to the view; flags are the host's drawing flags (DrawingFlags.h).
  virtual void DrawAdornment(IPMUnknown* shape, AdornmentDrawOrder drawOrder,
                             GraphicsData* graphicsData, int32 flags) = 0;
  // The area the adornment paints on screen, given the item's bounds in some coordinates and the
  // matrix from the item's inner coordinates to those; in the same coordinates. The host widens
  // the area it draws, and the picture, by it.
  virtual PMRect GetPaintedAdornmentBounds(IPMUnknown* shape, AdornmentDrawOrder drawOrder,
                                           const PMRect& itemBounds,
                                           const PMMatrix& innerToBounds) = 0;
  // The same for print pictures.
  virtual PMRect GetPrintedAdornmentBounds(IPMUnknown* shape, AdornmentDrawOrder drawOrder,
                                           const PMRect& itemBounds,
                                           const PMMatrix& innerToBounds) = 0;
  // The item's drawing is out of date; an adornment that keeps anything of it lets it go. This
  // host redraws whole pictures and does not call it.
  virtual void Inval(IPMUnknown* shape, AdornmentDrawOrder drawOrder) = 0;
  // Among the adornments of one draw order, those of lower priority draw first.
  virtual PMReal GetPriority() = 0;
  // Adds what the adornment inks to the item's ink bounds (inner coordinates). Not called here.
  virtual void AddToContentInkBounds(IPMUnknown* shape, PMRect* inkBounds) = 0;
  // Whether the adornment draws in print at all; the host does not ask those that say no.
  virtual bool16 WillPrint() = 0;
  // Whether the item may be selected by a click on the adornment. Not called here.
  virtual bool16 IsSelectable() = 0;
  // Whether the point (inner coordinates) hits the adornment. Not called here.
  virtual bool16 HitTest(IPMUnknown* shape, const PMPoint& where) = 0;
};
