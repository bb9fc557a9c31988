// A command's class-identifier argument (the adornment class of the adornment commands).
#pragma once

#include "IPMUnknown.h"

class IClassIDData : public IPMUnknown {
 public:
  enum { kDefaultIID = 364 };

  virtual void Set(ClassID value) = 0;
  virtual ClassID Get() const = 0;
};
