// A command's target object: the database and UID of an object of a document.
#pragma once

#include "IPMUnknown.h"
#include "UIDRef.h"

class IUIDData : public IPMUnknown {
 public:
  enum { kDefaultIID = 4100 };

  // The object behind the interface given; kInvalidUIDRef for null or an object of no document.
  virtual void Set(const IPMUnknown* object) = 0;
  virtual void Set(const UIDRef& ref) = 0;
  virtual const UIDRef& GetRef() const = 0;
};
