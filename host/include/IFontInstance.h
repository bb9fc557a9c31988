// A font at one size (IFontMgr::QueryFontInstance). Its measures are the font's design measures
// scaled by the instance's matrix, neither hinted nor rounded to pixels, as a layout needs them.
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"

class IFontInstance : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IFONTINSTANCE };

  // The advance width of a run of UTF-16 code units (a surrogate pair is one character). A
  // character the font has no glyph for is measured by the font's missing-glyph shape; missing,
  // when given, receives how many there were.
  virtual void MeasureWText(const textchar* text, int32 count, PMReal* width,
                            int32* missing) const = 0;
  // Distances above and below the baseline, both positive for an ordinary font.
  virtual PMReal GetAscent() const = 0;
  virtual PMReal GetDescent() const = 0;
};
