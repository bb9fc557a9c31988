// Where a page item lies in its parent: the matrix that maps the item's inner coordinates (those
// of its bounding box, IGeometry) into its parent's. The parent coordinates of an item on a page
// or on a pasteboard are the spread's pasteboard coordinates; those of a group's member are the
// group's inner coordinates. Saved with the document; changed by the host's transform command.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "PMMatrix.h"

class IItemTransform : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IITEMTRANSFORM };

  virtual const PMMatrix& GetInnerToParent() const = 0;
  // Made by the host's commands; records the state for undo first.
  virtual void SetInnerToParent(const PMMatrix& matrix) = 0;
};

// The map from a page item's inner coordinates to its spread's pasteboard: its own inner-to-parent
// matrix followed by those of the groups that hold it. The identity for an object that is no page
// item.
HOST_API PMMatrix InnerToPasteboardMatrix(const IPMUnknown* item);
