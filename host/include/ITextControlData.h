// The text of a widget: a text field's content, a label's text.
#pragma once

#include "IPMUnknown.h"
#include "PMString.h"

class ITextControlData : public IPMUnknown {
 public:
  enum { kDefaultIID = 1539 };

  // Replaces the text; with notifyOfChange the widget's observers hear kTextChangeStateMessage
  // under this interface's protocol.
  virtual void SetString(const PMString& text, bool16 notifyOfChange = kTrue) = 0;
  virtual PMString GetString() const = 0;
};
