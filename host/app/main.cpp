// The vantelle program: dispatches to the subcommand named by the first argument.
#include <cstdio>
#include <cstring>
#include <exception>

#include "Commands.h"

namespace {

// A new command is one row here and one declaration in Commands.h.
constexpr CommandEntry kCommands[] = {
    {"parse", "print the entries a data frame text yields", RunParseCommand},
    {"check", "report what in a data frame text the plug-in reads otherwise than meant",
     RunCheckCommand},
    {"header", "print the header a data frame text declares", RunHeaderCommand},
    {"run", "run a session script against the host and its plug-ins", RunRunCommand},
    {"shell", "run session commands read from standard input", RunShellCommand},
    {"script", "run a JavaScript file against a new or an opened document", RunScriptCommand},
};

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: vantelle COMMAND [ARGS...]\n\ncommands:\n");
  for (const CommandEntry& command : kCommands) {
    std::fprintf(out, "  %-8s %s\n", command.name, command.summary);
  }
  std::fprintf(out, "\n'vantelle COMMAND --help' describes a command.\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintUsage(stdout);
    return 0;
  }
  for (const CommandEntry& command : kCommands) {
    if (std::strcmp(argv[1], command.name) != 0) continue;
    try {
      return command.run(CommandArgs(argv + 2, argv + argc));
    } catch (const std::exception& e) {  // out of memory, say: a clear failure, not an abort
      std::fprintf(stderr, "vantelle: %s\n", e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "vantelle: unknown command '%s'\n\n", argv[1]);
  PrintUsage(stderr);
  return 2;
}
