// A widget that holds other widgets: a dialog's view, a group of widgets in a frame.
#pragma once

#include "IControlView.h"

class IPanelControlData : public IPMUnknown {
 public:
  enum { kDefaultIID = 1543 };

  virtual int32 Length() const = 0;
  // The child at the index, in the order the view lists them; null outside. The panel keeps its
  // children: no reference is added.
  virtual IControlView* GetWidget(int32 index) const = 0;
  // The widget with the ID among the children and, down to the depth, the children of panels
  // among them (depth 0 looks at the children only); the first in view order, or null. No
  // reference is added.
  virtual IControlView* FindWidget(WidgetID id, int32 depth = 0) const = 0;
  // Adds a child at the end, with a reference, and makes this panel its parent.
  virtual void AddWidget(IControlView* widget) = 0;
};
