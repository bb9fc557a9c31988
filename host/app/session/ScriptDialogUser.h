// The person in the dialogs of a session script. Steps queued with the `dialog` command wait for
// the next dialog the host shows, which takes them as it opens until it closes; what is left
// waits for the dialog after. A dialog the host waits for that the queue leaves open is a script
// error ("dialog left open"), unless a terminal is given (the shell on a terminal): the person is
// then shown the dialog and types its steps. A dialog that is not waited for stays open between
// commands, and `dialog` takes its steps at once.
#pragma once

#include <deque>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "DialogSteps.h"
#include "ui/UserInterface.h"

class ScriptDialogUser : public DialogUser {
 public:
  // out receives what steps print; terminal (or null) is where the person types, prompts where
  // the prompts and the errors of typed steps go.
  ScriptDialogUser(std::ostream& out, std::istream* terminal, std::ostream& prompts);

  // The `dialog` command: the steps are taken at once in the dialog in front when one is open
  // (a ScriptError for a step that fails, or that comes after the dialog closed), else queued.
  void Steps(const std::vector<DialogStep>& steps);

  // Whether the person types at a terminal (the shell's prompts are then shown).
  bool AtTerminal() const { return fTerminal != nullptr; }

  void DialogOpened(IDialog* dialog) override;
  void AttendDialog(IDialog* dialog) override;

  // Called after each command. A queued step that failed cancels its dialog, and a dialog left
  // open is cancelled by the host: the command that opened the dialog then ends as a script
  // error, thrown here. At a terminal, a dialog the command opened and did not wait for (one that
  // stays open between commands) is shown, for the person to go on with `dialog`.
  void FinishCommand();

 private:
  void TakeQueuedSteps(IDialog* dialog);
  void TakeTypedSteps(IDialog* dialog);
  void ShowChanges(IDialog* dialog, const std::vector<DialogStep>& steps);

  std::ostream& fOut;
  std::istream* fTerminal;
  std::ostream& fPrompts;
  std::deque<DialogStep> fQueue;
  std::string fPendingError;
  bool fOpenedDuringCommand = false;
};
