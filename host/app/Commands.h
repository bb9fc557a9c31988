// The subcommands of the vantelle program. Each takes the words that follow its name on the
// command line and answers the process's exit status: 0 success, 1 failure (unreadable input and
// the like), 2 bad arguments.
#pragma once

#include <string>
#include <vector>

typedef std::vector<std::string> CommandArgs;

// One row of the dispatcher's table: the word that selects the command, a one-line summary for
// `vantelle --help`, and the function that runs it.
struct CommandEntry {
  const char* name;
  const char* summary;
  int (*run)(const CommandArgs& args);
};

// vantelle parse [--type T] [--format tsv|hex|json] [FILE]
int RunParseCommand(const CommandArgs& args);
// vantelle check [--type T] [--format text|json] [FILE...]
int RunCheckCommand(const CommandArgs& args);
// vantelle header [FILE]
int RunHeaderCommand(const CommandArgs& args);
// vantelle run [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR] FILE
int RunRunCommand(const CommandArgs& args);
// vantelle shell [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR]
int RunShellCommand(const CommandArgs& args);
// vantelle script [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR] FILE.js [DOCUMENT]
int RunScriptCommand(const CommandArgs& args);
