// The list of the attribute-list command (kApplyAttributesCmdBoss): the attributes that its run
// applies, in the order added, to every item of its item list in one undoable step.
#pragma once

#include "GraphicsIDs.h"
#include "IGraphicAttributes.h"

class IApplyAttributesCmdData : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IAPPLYATTRIBUTESCMDDATA };

  // Adds the attribute's value (the object stays the caller's). Answers kFalse, adding nothing,
  // for an object that is no graphic attribute.
  virtual bool16 AddAttribute(const IPMUnknown* attribute) = 0;
  virtual int32 GetAttributeCount() const = 0;
  virtual const GraphicAttributeValue& GetNthAttribute(int32 index) const = 0;
};
