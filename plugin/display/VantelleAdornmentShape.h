// What the plug-in's two adornments share: every operation of IAdornmentShape but drawing and the
// painted bounds. Each serves the draw order right after its item, paints within the item's bounds
// as far as the rest of the host is concerned, and asks for nothing else.
#pragma once

#include "CPMUnknown.h"
#include "IAdornmentShape.h"

class VantelleAdornmentShape : public CPMUnknown<IAdornmentShape> {
 public:
  using CPMUnknown::CPMUnknown;

  AdornmentDrawOrder GetDrawOrderBits() override { return kAfterItemDrawOrder; }
  PMRect GetPrintedAdornmentBounds(IPMUnknown*, AdornmentDrawOrder, const PMRect& itemBounds,
                                   const PMMatrix&) override {
    return itemBounds;
  }
  void Inval(IPMUnknown*, AdornmentDrawOrder) override {}
  PMReal GetPriority() override { return 0; }
  void AddToContentInkBounds(IPMUnknown*, PMRect*) override {}
  bool16 WillPrint() override { return kFalse; }
  bool16 IsSelectable() override { return kFalse; }
  bool16 HitTest(IPMUnknown*, const PMPoint&) override { return kFalse; }
};
