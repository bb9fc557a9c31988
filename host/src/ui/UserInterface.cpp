#include "UserInterface.h"

#include <algorithm>

#include "IDialog.h"
#include "IPanelControlData.h"
#include "ISubject.h"
#include "InterfacePtr.h"
#include "ViewResource.h"
#include "WidgetIDs.h"

void UserInterface::DialogOpened(IDialog* dialog) {
  fOpen.push_back(dialog);  // first: a dialog there is no room for (memory ran out) is not held
  dialog->AddRef();
  if (fUser) fUser->DialogOpened(dialog);
}

void UserInterface::DialogClosed(IDialog* dialog) {
  auto it = std::find(fOpen.begin(), fOpen.end(), dialog);
  if (it == fOpen.end()) return;
  fOpen.erase(it);
  dialog->Release();
}

void UserInterface::WaitFor(IDialog* dialog) {
  if (dialog->IsOpen() && fUser) fUser->AttendDialog(dialog);
  if (dialog->IsOpen()) CancelDialog(dialog);
}

IDialog* UserInterface::FrontDialog() const {
  return fOpen.empty() ? nullptr : fOpen.back();
}

void UserInterface::CancelAll() {
  while (!fOpen.empty()) CancelDialog(fOpen.back());
}

bool PressDialogButton(IDialog* dialog, WidgetID button) {
  IPanelControlData* panel = dialog->GetDialogPanel();
  IControlView* view = panel ? panel->FindWidget(button, ViewResource::kMaxPanelDepth) : nullptr;
  if (!view || !view->IsEnabled()) return false;
  InterfacePtr<ISubject> subject(view, ISubject::kDefaultIID);
  if (subject) subject->ModelChange(kTrueStateMessage, IID_IBOOLEANCONTROLDATA);
  return true;
}

void CancelDialog(IDialog* dialog) {
  InterfacePtr<IDialog> keep(dialog, IDialog::kDefaultIID);
  PressDialogButton(dialog, kCancelButtonWidgetID);
  if (dialog->IsOpen()) dialog->Close();
}
