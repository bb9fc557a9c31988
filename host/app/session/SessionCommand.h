// The commands of session scripts and the table through which the runner finds them.
//
// Each group of commands lives in its own file and adds itself to the table with a static
// SessionCommandRegistrar. A command declares its usage line, from which the runner learns its
// arguments and checks every call before the command runs:
//
//   NAME     a positional word           [NAME]   an optional one
//   ITEM...  one or more words           key=V    a required option   [key=V]  an optional one
#pragma once

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "SessionLexer.h"

class ScriptSession;

// A script error (unknown command, bad argument, unknown name): the run ends with exit code 2.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failure of the host to do what a correct script asked (a file that cannot be saved or
// opened): the run ends with exit code 1.
class SessionFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One checked call: its positional words and its options.
class SessionCall {
 public:
  SessionCall(std::vector<std::string> args, std::map<std::string, std::string> options)
      : fArgs(std::move(args)), fOptions(std::move(options)) {}

  size_t ArgCount() const { return fArgs.size(); }
  const std::string& Arg(size_t index) const { return fArgs.at(index); }
  const std::vector<std::string>& Args() const { return fArgs; }
  // The option's value, or null when the call does not give it.
  const std::string* Option(const std::string& key) const;

 private:
  std::vector<std::string> fArgs;
  std::map<std::string, std::string> fOptions;
};

struct SessionCommand {
  const char* usage;  // e.g. "text-frame NAME page=P [bounds=L,T,R,B] [text=S]"
  void (*run)(ScriptSession& session, const SessionCall& call);
};

class SessionCommandRegistrar {
 public:
  explicit SessionCommandRegistrar(std::initializer_list<SessionCommand> commands);
};

// Checks a line's words against the usage of the command they name and runs it. Throws
// ScriptError for an unknown command or a call that does not fit its usage.
void RunSessionCommand(ScriptSession& session, const std::vector<ScriptWord>& words);
