// The page-item utility (UtilsBoss::QueryUtils): what a page item holds.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class IPageItemUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IPAGEITEMUTILS };

  // kTrue for a text frame: a frame whose first hierarchy child links it to a story, whose text
  // may then be read and edited.
  virtual bool16 IsTextFrame(const UIDRef& item) const = 0;
  // kTrue for an item whose hierarchy children are page items to visit: a group with members.
  virtual bool16 HasChildrenToVisit(const UIDRef& item) const = 0;
};
