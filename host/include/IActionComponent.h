// A plug-in's receiver of menu actions: the host calls DoAction when the person chooses one of
// the menu entries the plug-in's resources add.
#pragma once

#include "CPMUnknown.h"

class IActiveContext;

// A point on the screen, in pixels.
struct GSysPoint {
  int32 x = 0;
  int32 y = 0;
};

class IActionComponent : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x700622 };

  // context: the selection and document the action applies to (the stand-in host has none to
  // give and passes null); mousePoint: where the menu was chosen; widget: the widget that
  // triggered the action, null for a menu entry.
  virtual void DoAction(IActiveContext* context, ActionID actionID, GSysPoint mousePoint,
                        IPMUnknown* widget) = 0;
};

class CActionComponent : public CPMUnknown<IActionComponent> {
 public:
  explicit CActionComponent(IPMUnknown* boss) : CPMUnknown(boss) {}
};
