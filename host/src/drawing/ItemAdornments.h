// How the host calls a page item's adornments: the classes in its adornment list, each made into
// an object for the call, in the order of their priority (then of the list).
#pragma once

#include "GraphicsData.h"
#include "IAdornmentShape.h"
#include "PMRect.h"

namespace ItemAdornments {

// Draws the adornments whose draw order includes order; the port's transform maps the item's
// inner coordinates to the view. A drawing for print asks only those that print.
void Draw(IPMUnknown* item, AdornmentDrawOrder order, GraphicsData* graphicsData, int32 flags);

// The item's bounds in pasteboard coordinates joined with the areas its adornments paint (for
// print, those that print).
PMRect PaintedBounds(IPMUnknown* item, bool forPrint);

}  // namespace ItemAdornments
