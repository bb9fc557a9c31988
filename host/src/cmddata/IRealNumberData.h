// A command's real-number argument (the opacity command's percent).
#pragma once

#include "IPMUnknown.h"
#include "graphics/GraphicsImplIDs.h"

class IRealNumberData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IREALNUMBERDATA };

  virtual void Set(PMReal value) = 0;
  virtual PMReal Get() const = 0;
};
