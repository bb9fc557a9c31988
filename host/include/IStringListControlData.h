// The items of a list widget, in the order shown. A drop-down list announces a change of its
// selection under this interface's protocol.
#pragma once

#include "IPMUnknown.h"
#include "PMString.h"

class IStringListControlData : public IPMUnknown {
 public:
  enum { kDefaultIID = 1591 };

  virtual int32 Length() const = 0;
  // The item at the index; an empty string outside.
  virtual PMString GetString(int32 index) const = 0;
  virtual void AddString(const PMString& item) = 0;
};
