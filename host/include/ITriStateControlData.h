// The state of a check box: off, mixed or on.
#pragma once

#include "IPMUnknown.h"

class ITriStateControlData : public IPMUnknown {
 public:
  enum { kDefaultIID = 1579 };
  enum TriState { kUnselected = 0, kMixed = 1, kSelected = 2 };

  // With notifyOfChange the observers hear kTrueStateMessage (on) or kFalseStateMessage (off or
  // mixed) under this interface's protocol.
  virtual void SetState(TriState state, bool16 notifyOfChange = kTrue) = 0;
  virtual TriState GetState() const = 0;
};
