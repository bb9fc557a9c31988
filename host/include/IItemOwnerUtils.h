// The owner utility (UtilsBoss::QueryUtils): which page item owns an item. A member of a group is
// owned by the group; a text frame's column by the frame; an item directly on a page or on a
// pasteboard has no owner.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class IItemOwnerUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IITEMOWNERUTILS };

  // Answers kTrue and sets owner while the item has an owning page item; otherwise answers kFalse
  // and leaves owner alone.
  virtual bool16 GetOwningItem(const UIDRef& item, UIDRef& owner) const = 0;
};
