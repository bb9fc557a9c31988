// The swatch utility (UtilsBoss::QueryUtils): finding a document's swatches and making new ones.
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "PMString.h"
#include "UIDRef.h"

class IDataBase;

class ISwatchUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISWATCHUTILS };

  // The first swatch of the document whose name equals the name exactly; kInvalidUID when there
  // is none or no database is given.
  virtual UID FindSwatch(const PMString& name, IDataBase* db) const = 0;

  // Makes a named process swatch in the document whose workspace is given (any interface of
  // it), through an undoable command. The fractions lie from 0 to 1; the name must be new and not
  // empty. The last argument is reserved; callers pass 0. Answers the swatch, or kInvalidUID when
  // it cannot be made.
  virtual UID CreateProcessCMYKSwatch(const IPMUnknown* workspace, const PMString& name,
                                      PMReal cyan, PMReal magenta, PMReal yellow, PMReal black,
                                      int32 reserved) const = 0;
};
