#include "SessionCommand.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// What a usage line says about a command's arguments.
struct Signature {
  std::string usage;
  size_t minArgs = 0;
  size_t maxArgs = 0;                   // SIZE_MAX for a repeated last argument
  std::map<std::string, bool> options;  // key -> required
  void (*run)(ScriptSession&, const SessionCall&) = nullptr;
};

std::map<std::string, Signature>& Table() {
  static std::map<std::string, Signature> table;
  return table;
}

std::vector<std::string> SplitBlanks(const std::string& text) {
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = std::min(text.find(' ', pos), text.size());
    if (end > pos) parts.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return parts;
}

Signature ParseUsage(const SessionCommand& command) {
  Signature sig;
  sig.usage = command.usage;
  sig.run = command.run;
  const std::vector<std::string> parts = SplitBlanks(command.usage);
  for (size_t i = 1; i < parts.size(); ++i) {
    std::string part = parts[i];
    const bool optional = part.front() == '[' && part.back() == ']';
    if (optional) part = part.substr(1, part.size() - 2);
    const size_t equals = part.find('=');
    if (equals != std::string::npos) {
      sig.options[part.substr(0, equals)] = !optional;
    } else if (part.size() > 3 && part.compare(part.size() - 3, 3, "...") == 0) {
      sig.minArgs += optional ? 0 : 1;
      sig.maxArgs = SIZE_MAX;
    } else {
      sig.minArgs += optional ? 0 : 1;
      ++sig.maxArgs;
    }
  }
  return sig;
}

}  // namespace

const std::string* SessionCall::Option(const std::string& key) const {
  auto it = fOptions.find(key);
  return it == fOptions.end() ? nullptr : &it->second;
}

SessionCommandRegistrar::SessionCommandRegistrar(std::initializer_list<SessionCommand> commands) {
  for (const SessionCommand& command : commands) {
    Signature sig = ParseUsage(command);
    const std::string name = SplitBlanks(command.usage).front();
    if (!Table().emplace(name, std::move(sig)).second) {
      // Two files claiming one command name is a build mistake, not a script error.
      std::fprintf(stderr, "session command %s is defined twice\n", name.c_str());
      std::abort();
    }
  }
}

void RunSessionCommand(ScriptSession& session, const std::vector<ScriptWord>& words) {
  const ScriptWord& head = words.front();
  if (head.IsOption() || head.quoted) throw ScriptError("a line must begin with a command name");
  auto found = Table().find(head.value);
  if (found == Table().end()) throw ScriptError("unknown command " + head.value);
  const Signature& sig = found->second;

  std::vector<std::string> args;
  std::map<std::string, std::string> options;
  for (size_t i = 1; i < words.size(); ++i) {
    const ScriptWord& word = words[i];
    if (!word.IsOption()) {
      args.push_back(word.value);
      continue;
    }
    if (sig.options.count(word.key) == 0) {
      throw ScriptError(head.value + ": unknown option " + word.key + " (usage: " + sig.usage +
                        ")");
    }
    if (!options.emplace(word.key, word.value).second) {
      throw ScriptError(head.value + ": option " + word.key + " given twice");
    }
  }
  for (const auto& option : sig.options) {
    if (option.second && options.count(option.first) == 0) {
      throw ScriptError(head.value + ": missing option " + option.first + " (usage: " + sig.usage +
                        ")");
    }
  }
  if (args.size() < sig.minArgs || args.size() > sig.maxArgs) {
    throw ScriptError("usage: " + sig.usage);
  }
  sig.run(session, SessionCall(std::move(args), std::move(options)));
}
