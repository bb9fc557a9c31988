// The document's spreads, in order (an interface of the document object).
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class ISpreadList : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISPREADLIST };

  virtual int32 GetSpreadCount() const = 0;
  // kInvalidUID when the index is out of range.
  virtual UID GetNthSpreadUID(int32 index) const = 0;

  // Appends a spread; used by the host while it builds a document.
  virtual void AppendSpread(UID spread) = 0;
};
