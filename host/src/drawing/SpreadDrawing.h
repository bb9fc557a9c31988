// How the host draws a spread: the pasteboard, the pages, then every page item from back to front
// (pages' items in page order, then those on the pasteboard). An item is drawn in its inner
// coordinates: its fill, its stroke and its text at its opacity (and its groups'), then its frame
// edge and its adornments of the draw order kAfterItemDrawOrder. A group draws its members in its
// place. The drawing flags say what the drawing is for (DrawingFlags.h).
#pragma once

#include "GraphicsData.h"
#include "IDataBase.h"
#include "PMRect.h"

namespace SpreadDrawing {

// What a picture of the spread shows, in pasteboard coordinates: for print the pages; otherwise
// the pasteboard, widened by everything the shown items and their adornments paint.
PMRect Extent(IDataBase* db, UID spread, int32 flags);

// Draws the spread into the context's port, whose transform maps view coordinates to the device.
void Draw(IDataBase* db, UID spread, const DrawingContext& context, int32 flags);

}  // namespace SpreadDrawing
