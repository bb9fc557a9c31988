#include "CDialogObserver.h"
#include "IControlView.h"
#include "IDialog.h"
#include "IDialogController.h"
#include "IPanelControlData.h"
#include "ISubject.h"
#include "IWidgetParent.h"
#include "InterfacePtr.h"
#include "ViewResource.h"

namespace {

InterfacePtr<ISubject> WidgetSubject(WidgetID widget, IPanelControlData* panel) {
  IControlView* view = panel ? panel->FindWidget(widget, ViewResource::kMaxPanelDepth) : nullptr;
  return InterfacePtr<ISubject>(view, ISubject::kDefaultIID);
}

}  // namespace

void AbstractDialogObserver::AttachToWidget(WidgetID widget, PMIID protocol,
                                            IPanelControlData* panel) {
  if (InterfacePtr<ISubject> subject = WidgetSubject(widget, panel)) {
    subject->AttachObserver(this, protocol);
  }
}

void AbstractDialogObserver::DetachFromWidget(WidgetID widget, PMIID protocol,
                                              IPanelControlData* panel) {
  if (InterfacePtr<ISubject> subject = WidgetSubject(widget, panel)) {
    subject->DetachObserver(this, protocol);
  }
}

void CDialogObserver::AutoAttach() {
  InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
  AttachToWidget(kOKButtonWidgetID, IID_IBOOLEANCONTROLDATA, panel);
  AttachToWidget(kCancelButtonWidgetID, IID_IBOOLEANCONTROLDATA, panel);
}

void CDialogObserver::AutoDetach() {
  InterfacePtr<IPanelControlData> panel(this, IPanelControlData::kDefaultIID);
  DetachFromWidget(kOKButtonWidgetID, IID_IBOOLEANCONTROLDATA, panel);
  DetachFromWidget(kCancelButtonWidgetID, IID_IBOOLEANCONTROLDATA, panel);
}

void CDialogObserver::Update(ClassID change, ISubject* subject, PMIID protocol, void*, void*) {
  if (protocol != IID_IBOOLEANCONTROLDATA || change != kTrueStateMessage) return;
  InterfacePtr<IControlView> button(subject, IControlView::kDefaultIID);
  const WidgetID pressed = button ? button->GetWidgetID() : kDefaultWidgetId;
  if (pressed != kOKButtonWidgetID && pressed != kCancelButtonWidgetID) return;
  InterfacePtr<IDialogController> controller(this, IDialogController::kDefaultIID);
  if (pressed == kOKButtonWidgetID) {
    if (controller && controller->ValidateDialogFields() != kDefaultWidgetId) return;
    if (controller) controller->ApplyDialogFields();
  } else if (controller) {
    controller->UserCancelled();
  }
  InterfacePtr<IWidgetParent> parent(this, IWidgetParent::kDefaultIID);
  InterfacePtr<IDialog> dialog(
      static_cast<IDialog*>(parent ? parent->QueryParentFor(IDialog::kDefaultIID) : nullptr));
  if (dialog) dialog->Close();
}
