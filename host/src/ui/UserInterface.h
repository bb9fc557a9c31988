// What a host's user interface holds: the dialogs that are open, and the person who works in
// them. The stand-in host has no screen: the person is whoever the host is given (the session
// runner plays one from a script or from the terminal), and without one a dialog that is waited
// for is cancelled.
#pragma once

#include <vector>

#include "BaseType.h"

class IDialog;

// The person in front of the host, as far as dialogs go.
class DialogUser {
 public:
  virtual ~DialogUser() = default;
  // A dialog has opened: the person may act on it at once.
  virtual void DialogOpened(IDialog* dialog) = 0;
  // The host waits for the dialog to close: the person works in it until it does. Returning with
  // it still open leaves it to the host, which cancels it.
  virtual void AttendDialog(IDialog* dialog) = 0;
};

class UserInterface {
 public:
  UserInterface() = default;
  UserInterface(const UserInterface&) = delete;
  UserInterface& operator=(const UserInterface&) = delete;

  // The person, or null for none; the caller keeps it alive while it is set.
  void SetUser(DialogUser* user) { fUser = user; }
  DialogUser* User() const { return fUser; }

  // Called by a dialog as it opens: it is held (one reference) until it closes.
  void DialogOpened(IDialog* dialog);
  void DialogClosed(IDialog* dialog);
  // Lets the person work in the dialog until it closes; cancels it when the person leaves it open.
  void WaitFor(IDialog* dialog);
  // The dialog opened last among those open, or null. No reference is added.
  IDialog* FrontDialog() const;
  // Cancels every open dialog, the newest first (at quit).
  void CancelAll();

 private:
  std::vector<IDialog*> fOpen;
  DialogUser* fUser = nullptr;
};

// Presses the button with the ID in the dialog as the person does, so that its observers hear it.
// False, pressing nothing, when the dialog has no such button or it is disabled.
bool PressDialogButton(IDialog* dialog, WidgetID button);
// Cancels the dialog as its Cancel button does; closes it when that leaves it open.
void CancelDialog(IDialog* dialog);
