// Runs session scripts against the running host, one command per line.
#pragma once

#include <istream>
#include <ostream>
#include <string>

class AlertLog;
class ScriptSession;

// Exit codes of a run.
constexpr int kSessionOK = 0;
constexpr int kSessionFailed = 1;       // the host failed to do what was asked (save, open)
constexpr int kSessionScriptError = 2;  // unknown command, bad argument, unknown name

// Reads lines from in and runs them in the current host; results go to out, errors to err as
// "error: line N: …" for a script error and "error: …" for a failure. A run stops at its first
// error, unless keepGoing (the interactive shell), which reports each error and goes on. Answers
// the exit code: that of the first error, or for keepGoing the highest one seen. Documents the
// script made are closed before it returns.
//
// Alerts print to out as they are shown, as `alert KIND "TEXT"`; those the host showed before
// (at start-up) come first. With personAtTerminal (the shell on a terminal), err shows a prompt
// for each line, and a dialog the script leaves open is shown and its steps read from in.
int RunSessionScript(std::istream& in, std::ostream& out, std::ostream& err, bool keepGoing,
                     bool personAtTerminal = false);
// The same in a session the caller keeps: its documents stay open after the lines have run. Only
// the alerts shown while the lines run are printed.
int RunSessionLines(ScriptSession& session, std::istream& in, std::ostream& err, bool keepGoing);
// Runs line number `number` of a script in the session and answers its exit code, having reported
// an error to err. A line that fails is taken back whole, the undo steps it made included.
int RunSessionLine(ScriptSession& session, const std::string& line, int number, std::ostream& err);

// Prints each alert as it comes, as `alert KIND "TEXT"`, while it lives; with shownAlready, first
// those the host showed before (at start-up).
class AlertPrinter {
 public:
  AlertPrinter(AlertLog& alerts, std::ostream& out, bool shownAlready);
  ~AlertPrinter();
  AlertPrinter(const AlertPrinter&) = delete;
  AlertPrinter& operator=(const AlertPrinter&) = delete;

 private:
  AlertLog& fAlerts;
};
