#include "SessionRunner.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "SessionLexer.h"
#include "app/Host.h"
#include "database/ChangeScope.h"
#include "database/Database.h"

namespace {

void PrintAlert(std::ostream& out, const AlertRecord& alert) {
  out << "alert " << AlertLog::KindName(alert.kind) << ' ' << JsonQuote(alert.message.GetUTF16())
      << '\n';
}

}  // namespace

AlertPrinter::AlertPrinter(AlertLog& alerts, std::ostream& out, bool shownAlready)
    : fAlerts(alerts) {
  if (shownAlready) {
    for (const AlertRecord& alert : alerts.Records()) PrintAlert(out, alert);
  }
  alerts.SetListener([&out](const AlertRecord& alert) { PrintAlert(out, alert); });
}

AlertPrinter::~AlertPrinter() {
  fAlerts.SetListener(nullptr);
}

// A line during which memory ran out fails even when the command went on without what it could
// not have: what comes after it may rely on that. A line that fails is taken back whole, with the
// undo steps it made (a request runs several commands, each a step) and what an exception left
// open.
int RunSessionLine(ScriptSession& session, const std::string& line, int number, std::ostream& err) {
  std::vector<ScriptWord> words;
  Database* document = session.HasDocument() ? &session.CurrentDocument() : nullptr;
  const size_t steps = document ? document->UndoCount() : 0;
  const uint64 refusals = Host::Get().Refusals();
  int code = kSessionFailed;
  try {
    std::string error;
    if (!SplitScriptLine(line, words, error)) throw ScriptError(error);
    if (!words.empty()) RunSessionCommand(session, words);
    session.DialogUser().FinishCommand();
    if (Host::Get().Refusals() != refusals) throw std::bad_alloc();
    return kSessionOK;
  } catch (const ScriptError& e) {
    err << "error: line " << number << ": " << e.what() << '\n';
    code = kSessionScriptError;
  } catch (const SessionFailure& e) {
    err << "error: " << e.what() << '\n';
  } catch (const std::bad_alloc&) {
    err << "error: out of memory\n";
  } catch (const std::exception& e) {
    err << "error: " << e.what() << '\n';
  }
  ChangeScope::Abandon(0);
  if (document && document->UndoCount() != steps) {
    if (!document->RevertTo(steps)) err << "error: the host could not take the line back\n";
    session.ForgetItemNames();
  }
  return code;
}

int RunSessionScript(std::istream& in, std::ostream& out, std::ostream& err, bool keepGoing,
                     bool personAtTerminal) {
  try {
    ScriptSession session(out, personAtTerminal ? &in : nullptr, err);
    // The alerts of the host's start come before the script's first command.
    for (const AlertRecord& alert : Host::Get().Alerts().Records()) PrintAlert(out, alert);
    return RunSessionLines(session, in, err, keepGoing);
  } catch (const std::bad_alloc&) {
    err << "error: out of memory\n";
    return kSessionFailed;
  }
}

int RunSessionLines(ScriptSession& session, std::istream& in, std::ostream& err, bool keepGoing) {
  AlertPrinter alerts(Host::Get().Alerts(), session.Out(), false);
  const bool prompt = session.DialogUser().AtTerminal();
  int result = kSessionOK;
  std::string line;
  for (int number = 1;; ++number) {
    if (prompt) err << "vantelle> " << std::flush;
    if (!std::getline(in, line)) break;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const int code = RunSessionLine(session, line, number, err);
    session.Out().flush();
    if (code == kSessionOK) continue;
    result = std::max(result, code);
    if (!keepGoing) break;
  }
  // A line that could not be read (no memory for it, say) is no end of the script.
  if (in.bad()) {
    err << "error: the rest of the script cannot be read\n";
    result = std::max(result, kSessionFailed);
  }
  return result;
}
