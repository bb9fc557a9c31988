// The text of a story. A story always ends in one final character, a carriage return, which
// belongs to the story: TotalLength counts it and no edit removes it. Positions and lengths count
// UTF-16 code units.
#pragma once

#include "DocumentIDs.h"
#include "IPMUnknown.h"
#include "WideString.h"

constexpr textchar kTextChar_CR = 0x0D;

class ITextModel : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ITEXTMODEL };

  virtual int32 TotalLength() const = 0;
  // The code unit at a position; 0 outside the text.
  virtual textchar GetCodeUnit(int32 position) const = 0;
  // Appends the code units of [start, start + length), clipped to the text, to out.
  virtual void CopyRange(int32 start, int32 length, WideString& out) const = 0;

  // Changes, made by the host's text commands (ITextModelCmds), which check their arguments:
  // the final character stays last and stays.
  virtual void Insert(int32 position, const WideString& text) = 0;
  virtual void Delete(int32 start, int32 length) = 0;
};
