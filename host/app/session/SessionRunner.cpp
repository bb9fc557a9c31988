#include "SessionRunner.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionLexer.h"

int RunSessionScript(std::istream& in, std::ostream& out, std::ostream& err, bool keepGoing) {
  ScriptSession session(out);
  return RunSessionLines(session, in, err, keepGoing);
}

int RunSessionLines(ScriptSession& session, std::istream& in, std::ostream& err, bool keepGoing) {
  int result = kSessionOK;
  std::string line;
  std::vector<ScriptWord> words;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    int code = kSessionOK;
    try {
      std::string error;
      if (!SplitScriptLine(line, words, error)) throw ScriptError(error);
      if (!words.empty()) RunSessionCommand(session, words);
    } catch (const ScriptError& e) {
      err << "error: line " << number << ": " << e.what() << '\n';
      code = kSessionScriptError;
    } catch (const SessionFailure& e) {
      err << "error: " << e.what() << '\n';
      code = kSessionFailed;
    } catch (const std::bad_alloc&) {  // the run fails, the host stays up
      err << "error: out of memory\n";
      code = kSessionFailed;
    } catch (const std::exception& e) {
      err << "error: " << e.what() << '\n';
      code = kSessionFailed;
    }
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
