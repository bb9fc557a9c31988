// What a dialog asks of the plug-in that owns it: fill the fields when it opens, judge them when
// the person presses OK, and take them or hear of the cancel when it closes.
#pragma once

#include "IPMUnknown.h"

class IDialogController : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700621 };

  virtual void InitializeDialogFields() = 0;
  // kDefaultWidgetId when every field is valid; otherwise the widget at fault, and the dialog
  // stays open.
  virtual WidgetID ValidateDialogFields() = 0;
  // OK, once validation passed.
  virtual void ApplyDialogFields() = 0;
  virtual void UserCancelled() = 0;
};
