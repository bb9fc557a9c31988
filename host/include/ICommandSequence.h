// An open command sequence: the commands processed until it ends form one undo step under its
// name. Sequences begun inside another fold into the outermost, whose name the step takes.
#pragma once

#include "IPMUnknown.h"
#include "PMString.h"

class ICommandSequence : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700012 };

  // The step's name: a string key, translated when shown.
  virtual void SetName(const PMString& name) = 0;
  virtual const PMString& GetName() const = 0;
};
