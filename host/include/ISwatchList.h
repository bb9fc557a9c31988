// The swatches of a document, in the order they were made: an interface of the document's
// workspace. A new document holds "None", "Paper", "Black" and "Registration".
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "UIDRef.h"

class ISwatchList : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISWATCHLIST };

  virtual int32 GetSwatchCount() const = 0;
  // kInvalidUID when the index is out of range.
  virtual UID GetNthSwatchUID(int32 index) const = 0;

  // Changes, each recorded for undo. Adding a UID that is listed already changes nothing.
  virtual void AddSwatch(UID swatch) = 0;
  // Takes the swatch out of the list (items that use it keep its UID and show no colour).
  virtual void RemoveSwatch(UID swatch) = 0;
};
