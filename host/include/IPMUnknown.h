// The root of every interface: reference counting and lookup of the object's other interfaces by
// numeric identifier. A null result from QueryInterface means the object lacks the interface.
#pragma once

#include "BaseType.h"

class HOST_API IPMUnknown {
 public:
  // Answers the interface with the identifier, with one reference added, or null.
  virtual IPMUnknown* QueryInterface(PMIID interfaceID) const = 0;
  virtual void AddRef() const = 0;
  virtual void Release() const = 0;
  virtual ~IPMUnknown() = default;
};
