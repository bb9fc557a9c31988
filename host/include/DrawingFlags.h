// What a drawing is for: the flags the host passes to everything it asks to draw (page items and
// their adornments). A drawing for the screen with frame edges is kDrawFrameEdges alone.
#pragma once

#include "BaseType.h"

enum : int32 {
  // Output for paper (a print picture): non-printing items and every mark that only helps on
  // screen are left out.
  kDrawForPrint = 0x200,
  // A screen view that shows frame edges and the marks of page items.
  kDrawFrameEdges = 0x800,
  // A screen view that shows the pages as they will print: no frame edges, no non-printing items,
  // no marks.
  kDrawPreview = 0x1000,
};
