// A widget's place in its dialog: the panel or window that holds it.
#pragma once

#include "IPMUnknown.h"

class IWidgetParent : public IPMUnknown {
 public:
  enum { kDefaultIID = 274 };

  // The holder, without a reference added; null for a widget on its own.
  virtual IPMUnknown* GetParent() const = 0;
  virtual void SetParent(IPMUnknown* parent) = 0;
  // The nearest holder up the chain that has the interface, with a reference added; null when
  // none has it.
  virtual IPMUnknown* QueryParentFor(PMIID interfaceID) const = 0;
};
