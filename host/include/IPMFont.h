// A font of the session's font manager (IFontMgr): one face of an installed font file.
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "PMString.h"

class IPMFont : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IPMFONT };

  // The name the font was asked for by ("Helvetica"), which may differ from the family of the
  // face that serves it.
  virtual PMString GetFontName() const = 0;
};
