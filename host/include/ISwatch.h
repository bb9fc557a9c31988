// A swatch of a document: a named colour that page items are filled and stroked with. Process
// swatches hold four ink fractions; "None" and "Registration" hold none.
#pragma once

#include "GraphicsIDs.h"
#include "IPMUnknown.h"
#include "PMString.h"

// Ink fractions from 0 to 1.
struct ProcessColor {
  PMReal cyan = 0;
  PMReal magenta = 0;
  PMReal yellow = 0;
  PMReal black = 0;
};

class ISwatch : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_ISWATCH };

  virtual const PMString& GetName() const = 0;
  virtual bool16 IsProcessColor() const = 0;
  // All zero for a swatch without process colour.
  virtual ProcessColor GetProcessColor() const = 0;

  // Made by the host when it makes the swatch.
  virtual void Set(const PMString& name, bool16 isProcessColor, const ProcessColor& color) = 0;
};
