#include "ScriptDialogUser.h"

#include <utility>

#include "IDialog.h"
#include "InterfacePtr.h"
#include "SessionCommand.h"
#include "SessionLexer.h"
#include "app/Host.h"

namespace {

constexpr char kSteps[] = "show, text WIDGET S, select WIDGET N, check WIDGET on|off, ok, cancel";

}  // namespace

ScriptDialogUser::ScriptDialogUser(std::ostream& out, std::istream* terminal, std::ostream& prompts)
    : fOut(out), fTerminal(terminal), fPrompts(prompts) {}

void ScriptDialogUser::Steps(const std::vector<DialogStep>& steps) {
  IDialog* dialog = Host::Get().UI().FrontDialog();
  if (!dialog) {
    fQueue.insert(fQueue.end(), steps.begin(), steps.end());
    return;
  }
  InterfacePtr<IDialog> keep(dialog, IDialog::kDefaultIID);
  for (const DialogStep& step : steps) {
    if (!dialog->IsOpen()) throw ScriptError("no dialog is open for the steps after it closed");
    TakeDialogStep(dialog, step, fOut);
  }
  if (fTerminal) ShowChanges(dialog, steps);
}

void ScriptDialogUser::DialogOpened(IDialog* dialog) {
  fOpenedDuringCommand = true;
  TakeQueuedSteps(dialog);
}

void ScriptDialogUser::AttendDialog(IDialog* dialog) {
  TakeQueuedSteps(dialog);
  if (!dialog->IsOpen() || !fPendingError.empty()) return;
  if (fTerminal) {
    TakeTypedSteps(dialog);
  } else {
    fPendingError =
        "dialog left open: queue its steps up to ok or cancel with dialog before the command "
        "that opens it";
  }
}

void ScriptDialogUser::FinishCommand() {
  IDialog* open = Host::Get().UI().FrontDialog();
  if (fTerminal && std::exchange(fOpenedDuringCommand, false) && open) {
    TakeDialogStep(open, DialogStep(), fOut);
    fOut.flush();
    fPrompts << "dialog open: take its steps with dialog STEP... (" << kSteps << ")\n";
  }
  if (fPendingError.empty()) return;
  throw ScriptError(std::exchange(fPendingError, std::string()));
}

void ScriptDialogUser::TakeQueuedSteps(IDialog* dialog) {
  while (dialog->IsOpen() && !fQueue.empty() && fPendingError.empty()) {
    const DialogStep step = fQueue.front();
    fQueue.pop_front();
    try {
      TakeDialogStep(dialog, step, fOut);
    } catch (const ScriptError& e) {
      fPendingError = e.what();
      fQueue.clear();
      CancelDialog(dialog);
    }
  }
}

// The person at the terminal sees what the steps changed (a list greyed, an OK that did not close).
void ScriptDialogUser::ShowChanges(IDialog* dialog, const std::vector<DialogStep>& steps) {
  if (dialog->IsOpen() && !steps.empty() && steps.back().kind != DialogStep::kShow) {
    TakeDialogStep(dialog, DialogStep(), fOut);
  }
}

// Shows the dialog and reads lines of steps until it closes; a line that fails is reported and the
// next one read. The end of the input (Ctrl-D) leaves the dialog open: the host cancels it, and
// the shell ends.
void ScriptDialogUser::TakeTypedSteps(IDialog* dialog) {
  TakeDialogStep(dialog, DialogStep(), fOut);
  fOut.flush();
  fPrompts << "dialog open: type its steps (" << kSteps << ")\n";
  std::string line;
  std::vector<ScriptWord> words;
  while (dialog->IsOpen()) {
    fPrompts << "dialog> " << std::flush;
    if (!std::getline(*fTerminal, line)) {
      fPrompts << '\n';
      return;
    }
    try {
      std::string error;
      if (!SplitScriptLine(line, words, error)) throw ScriptError(error);
      std::vector<std::string> texts;
      for (const ScriptWord& word : words) {
        texts.push_back(word.IsOption() ? word.key + "=" + word.value : word.value);
      }
      const std::vector<DialogStep> steps = ParseDialogSteps(texts);
      for (const DialogStep& step : steps) {
        if (!dialog->IsOpen()) throw ScriptError("the dialog is closed");
        TakeDialogStep(dialog, step, fOut);
      }
      ShowChanges(dialog, steps);
    } catch (const ScriptError& e) {
      fPrompts << "error: " << e.what() << '\n';
    }
    fOut.flush();
  }
}
