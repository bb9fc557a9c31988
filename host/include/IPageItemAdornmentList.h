// The adornments of a page item: the classes whose objects the host asks to draw beside the
// item, in the order attached. Saved with the document; changed by the add and remove commands
// (kAddPageItemAdornmentCmdBoss, kRemovePageItemAdornmentCmdBoss).
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"

class IPageItemAdornmentList : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IPAGEITEMADORNMENTLIST };

  virtual int32 GetAdornmentCount() const = 0;
  // kInvalidClass when the index is out of range.
  virtual ClassID GetNthAdornment(int32 index) const = 0;
  virtual bool16 HasAdornment(ClassID adornment) const = 0;

  // Changes, each recorded for undo. A class is listed once: adding it again changes nothing,
  // and removing an absent one changes nothing.
  virtual void AddAdornment(ClassID adornment) = 0;
  virtual void RemoveAdornment(ClassID adornment) = 0;
};
