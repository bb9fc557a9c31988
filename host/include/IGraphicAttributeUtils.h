// The graphic-attribute utility (UtilsBoss::QueryUtils): makes the attributes that the
// attribute-list command applies, and the command that makes page items non-printing.
#pragma once

#include "GraphicsIDs.h"
#include "ICommand.h"
#include "UIDList.h"

class IGraphicAttributeUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = IID_IGRAPHICATTRIBUTEUTILS };

  // Each answers a new attribute object with one reference, which the caller releases, or null
  // for a value outside the attribute's range (tints 0 to 100 percent, weight 0 to 1000 points).
  virtual IPMUnknown* CreateFillSwatchAttribute(UID swatch) const = 0;
  virtual IPMUnknown* CreateFillTintAttribute(PMReal tint) const = 0;
  virtual IPMUnknown* CreateStrokeSwatchAttribute(UID swatch) const = 0;
  virtual IPMUnknown* CreateStrokeTintAttribute(PMReal tint) const = 0;
  virtual IPMUnknown* CreateStrokeWeightAttribute(PMReal weight) const = 0;
  // The last argument is reserved; callers pass 0.
  virtual IPMUnknown* CreateClassAttribute(ClassID value, int32 reserved) const = 0;
  virtual IPMUnknown* CreateSwitchAttribute(uint32 value) const = 0;

  // A command, ready to run, that sets or clears the items' non-printing flag; null for an empty
  // item list. With regularUndo kFalse the change joins the undo step before it; with
  // includeGroupMembers the members of groups (at any depth) change too.
  virtual ICommand* CreateNonPrintingCommand(bool16 nonPrinting, const UIDList& items,
                                             bool16 regularUndo,
                                             bool16 includeGroupMembers) const = 0;
};
