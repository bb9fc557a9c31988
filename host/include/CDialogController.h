// The base of a plug-in's dialog controller. A controller lives on the dialog's view: the panel
// of its widgets is an interface of the same object (IPanelControlData), and the window is found
// up its parent chain (IWidgetParent).
#pragma once

#include "CPMUnknown.h"
#include "IDialogController.h"
#include "WidgetIDs.h"

class CDialogController : public CPMUnknown<IDialogController> {
 public:
  explicit CDialogController(IPMUnknown* boss) : CPMUnknown(boss) {}

  void InitializeDialogFields() override {}
  WidgetID ValidateDialogFields() override { return kDefaultWidgetId; }
  void UserCancelled() override {}
};
