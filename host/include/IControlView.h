// What every widget has: its ID, its bounds in the dialog, and whether the user can operate it.
#pragma once

#include "IPMUnknown.h"
#include "PMRect.h"

class IControlView : public IPMUnknown {
 public:
  enum { kDefaultIID = 1537 };

  virtual WidgetID GetWidgetID() const = 0;
  virtual void SetWidgetID(WidgetID id) = 0;
  // In points, relative to the dialog's top left corner.
  virtual PMRect GetFrame() const = 0;
  virtual void SetFrame(const PMRect& frame) = 0;

  virtual void Enable() = 0;
  virtual void Disable() = 0;
  virtual bool16 IsEnabled() const = 0;
};
