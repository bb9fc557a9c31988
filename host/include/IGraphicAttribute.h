// One graphic attribute with its value, as the graphic-attribute utility makes it: what the
// attribute-list command's list holds.
#pragma once

#include "IGraphicAttributes.h"

class IGraphicAttribute : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IGRAPHICATTRIBUTE };

  virtual const GraphicAttributeValue& Get() const = 0;
  virtual void Set(const GraphicAttributeValue& value) = 0;
};
