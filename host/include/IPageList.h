// Every page of the document, in spread order and within a spread from left to right (an
// interface of the document object).
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class IPageList : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IPAGELIST };

  virtual int32 GetPageCount() const = 0;
  // kInvalidUID when the index is out of range.
  virtual UID GetNthPageUID(int32 index) const = 0;
  // The page's index in the document, -1 for a UID that is no page of it.
  virtual int32 GetPageIndex(UID page) const = 0;
};
