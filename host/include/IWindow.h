// A window on the screen; a dialog's window holds its view.
#pragma once

#include "IPMUnknown.h"
#include "PMString.h"

class IWindow : public IPMUnknown {
 public:
  enum { kDefaultIID = 1547 };

  // A string key or a literal; the host translates it when it shows the title.
  virtual void SetTitle(const PMString& title) = 0;
  virtual PMString GetTitle() const = 0;
};
