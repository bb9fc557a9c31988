// The layout utility (UtilsBoss::QueryUtils): where an item lies in the document's layout.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class IHierarchy;

class ILayoutUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ILAYOUTUTILS };

  // The page that holds the item (climbing through groups and frames), kInvalidUID for an item
  // on a pasteboard, on no page, or a null hierarchy.
  virtual UID GetOwnerPageUID(const IHierarchy* itemHierarchy) const = 0;
};
