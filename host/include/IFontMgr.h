// The session's font manager (interface 15873 of the session, GetExecutionContextSession): the
// fonts installed on the system, found by name, and their instances at a size.
#pragma once

#include "GraphicsIDs.h"
#include "IFontInstance.h"
#include "IPMFont.h"
#include "IPMUnknown.h"
#include "PMMatrix.h"
#include "PMString.h"

class IFontMgr : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IFONTMGR };

  // Writing scripts a font may be asked to serve, as bits.
  enum { kLatinScript = 0x40000000 };

  // The outline font of the name (a family, or a name the system gives to a family with the same
  // measures: "Helvetica" may be served by a metric-compatible family), in the style (empty for
  // the regular one), with a reference added. Of each script in scripts the font must hold at
  // least the share coverage (0 to 1) of the letters. familyFound, when given, receives the
  // family of the face that serves the name. Null when no installed font answers to the name.
  virtual IPMFont* QueryFont(const PMString& name, const PMString& style, int32 scripts,
                             PMReal coverage, PMString* familyFound) const = 0;
  // The font at the size and slant of the matrix ([18 0 0 18 0 0] is 18 points upright), with a
  // reference added; null, with kFailure in error when given, for a matrix without an inverse.
  virtual IFontInstance* QueryFontInstance(IPMFont* font, const PMMatrix& matrix,
                                           ErrorCode* error) const = 0;
  // The name of the font the host sets text in when nothing else is asked for.
  virtual PMString GetDefaultFontName() const = 0;
};
