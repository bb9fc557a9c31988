// Session commands that run JavaScript against the session's documents: script and script-eval.
// The current document is app.activeDocument; what the script prints is printed, and a script
// that stops with an error is a failure that names the script's line.
#include <climits>

#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionValues.h"
#include "scripting/ScriptFile.h"
#include "scripting/ScriptManager.h"

namespace {

ScriptLimits LimitsOf(const SessionCall& call) {
  ScriptLimits limits;
  if (const std::string* instructions = call.Option("instructions")) {
    limits.instructions = ParseCount(*instructions, "an instruction budget", INT32_MAX);
  }
  if (const std::string* memory = call.Option("memory")) {
    limits.memoryBytes = ParseCount(*memory, "a memory budget", INT32_MAX);
  }
  return limits;
}

void RunScript(ScriptSession& session, const std::string& name, const std::string& source,
               const SessionCall& call) {
  InterfacePtr<ScriptManager> scripting = ScriptManager::OfSession();
  if (!scripting) throw SessionFailure("the host has no scripting");
  std::vector<ScriptDocument> documents = session.ScriptDocuments();
  const ScriptOutcome outcome =
      scripting->Run(name, source, documents, LimitsOf(call),
                     [&session](const std::string& line) { session.Out() << line << '\n'; });
  session.SetFiles(documents);
  session.ForgetItemNames();
  if (!outcome.completed) {
    throw SessionFailure("script " + name + ":" + std::to_string(outcome.line) + ": " +
                         outcome.message);
  }
}

void Script(ScriptSession& session, const SessionCall& call) {
  std::string source, error;
  if (!ReadScriptFile(call.Arg(0), &source, &error)) throw SessionFailure(error);
  RunScript(session, call.Arg(0), source, call);
}

void ScriptEval(ScriptSession& session, const SessionCall& call) {
  RunScript(session, "eval", call.Arg(0), call);
}

SessionCommandRegistrar gCommands({
    {"script PATH [instructions=N] [memory=BYTES]", Script},
    {"script-eval S [instructions=N] [memory=BYTES]", ScriptEval},
});

}  // namespace
