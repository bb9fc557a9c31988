// The transparency utility (UtilsBoss::QueryUtils): the opacity of page items.
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "UIDList.h"

class ITransparencyUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ITRANSPARENCYUTILS };

  // Sets the items' opacity (percent, 0 to 100) through one undoable command and answers its
  // error code; kFailure, changing nothing, for an empty list or a value outside the range.
  virtual ErrorCode ApplyOpacity(const UIDList& items, PMReal percent) const = 0;
};
