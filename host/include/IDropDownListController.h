// The selection of a drop-down list.
#pragma once

#include "IPMUnknown.h"

class IDropDownListController : public IPMUnknown {
 public:
  enum { kDefaultIID = 1590 };

  // Selects the item at the index; an index that names no item (-1 among them) leaves none
  // selected. With notifyOfChange the list's observers hear kPopupChangeStateMessage under the
  // protocol of IStringListControlData.
  virtual void Select(int32 index, bool16 notifyOfChange = kTrue) = 0;
  // The selected item's index, or -1 when none is selected.
  virtual int32 GetSelected() const = 0;
};
