// The bases of a plug-in's dialog observer, which lives on the dialog's view beside its
// controller. AbstractDialogObserver attaches to the subjects of widgets found in a panel;
// CDialogObserver follows the OK and Cancel buttons: OK asks the controller to validate the
// fields and, when they pass, to apply them, then closes the dialog; Cancel tells the controller
// and closes it. A derived observer calls the base's AutoAttach, AutoDetach and Update first.
#pragma once

#include "CPMUnknown.h"
#include "IObserver.h"
#include "WidgetIDs.h"

class IPanelControlData;

class HOST_API AbstractDialogObserver : public CPMUnknown<IObserver> {
 public:
  explicit AbstractDialogObserver(IPMUnknown* boss) : CPMUnknown(boss) {}

 protected:
  // Attaches to, or detaches from, the subject of the widget with the ID anywhere in the panel
  // for the protocol. A missing panel or widget changes nothing.
  void AttachToWidget(WidgetID widget, PMIID protocol, IPanelControlData* panel);
  void DetachFromWidget(WidgetID widget, PMIID protocol, IPanelControlData* panel);
};

class HOST_API CDialogObserver : public AbstractDialogObserver {
 public:
  explicit CDialogObserver(IPMUnknown* boss) : AbstractDialogObserver(boss) {}

  void AutoAttach() override;
  void AutoDetach() override;
  void Update(ClassID change, ISubject* subject, PMIID protocol, void* changedBy,
              void* data) override;
};
