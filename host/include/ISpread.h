// A spread: pages side by side on one pasteboard. Its hierarchy (IHierarchy) holds its pages
// first, then the page items that lie on its pasteboard, on no page.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDList.h"

class ISpread : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISPREAD };

  virtual int32 GetNumPages() const = 0;
  // kInvalidUID when the index is out of range.
  virtual UID GetNthPageUID(int32 index) const = 0;

  // Appends to items the page items of page pageIndex, back to front (in the order they were
  // created). includePage puts the page itself first; includePasteboard adds, at the end, the
  // items on the spread's pasteboard; topLevelOnly leaves out the items inside groups, which
  // otherwise follow their group, depth first. An index out of range appends nothing.
  virtual void GetItemsOnPage(int32 pageIndex, UIDList* items, bool16 includePage,
                              bool16 includePasteboard, bool16 topLevelOnly) const = 0;
};
