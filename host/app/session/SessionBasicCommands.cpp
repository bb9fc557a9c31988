// Session commands that need no document: echo.
#include "ScriptSession.h"
#include "SessionCommand.h"

namespace {

void Echo(ScriptSession& session, const SessionCall& call) {
  session.Out() << call.Arg(0) << '\n';
}

SessionCommandRegistrar gCommands({
    {"echo S", Echo},
});

}  // namespace
