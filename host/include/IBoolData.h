// A command's boolean argument.
#pragma once

#include "IPMUnknown.h"

class IBoolData : public IPMUnknown {
 public:
  enum { kDefaultIID = 4099 };

  virtual void Set(bool16 value) = 0;
  virtual bool16 Get() const = 0;
};
