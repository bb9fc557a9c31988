// The steps a person takes in a dialog, as session scripts write them (the `dialog` command and
// the shell's dialog prompt):
//
//   show                 prints the dialog: its view and title, then each widget that has an ID
//   text WIDGET S        replaces a text field's content
//   select WIDGET N      selects item N (from 0) of a list
//   check WIDGET on|off  sets a check box
//   ok, cancel           presses the dialog's OK or Cancel button
//
// WIDGET is a widget's ID in hexadecimal, as `show` prints it (0x18291A).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "BaseType.h"

class IDialog;

struct DialogStep {
  enum Kind { kShow, kText, kSelect, kCheck, kOK, kCancel };
  Kind kind = kShow;
  WidgetID widget = 0;
  std::string text;  // UTF-8
  int32 item = 0;
  bool on = false;

  bool ClosesDialog() const { return kind == kOK || kind == kCancel; }
};

// Reads steps from words; a ScriptError for an unknown step or a step without its arguments.
std::vector<DialogStep> ParseDialogSteps(const std::vector<std::string>& words);

// Takes the step in the dialog as the person does: the widget's observers hear of the change.
// A ScriptError when the dialog has no such widget, the widget is of another kind or disabled,
// or the list has no such item.
void TakeDialogStep(IDialog* dialog, const DialogStep& step, std::ostream& out);
