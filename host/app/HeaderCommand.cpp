// vantelle header: the header that a data frame text declares, as the plug-in reads it.
#include <cstdio>

#include "CommandInput.h"
#include "Commands.h"
#include "HeaderText.h"
#include "ToolSession.h"
#include "dataframe/parser/HeaderReader.h"

namespace {

constexpr const char* kHeaderUsage = "usage: vantelle header [FILE]\n";

constexpr const char* kHeaderHelp =
    "usage: vantelle header [FILE]\n"
    "\n"
    "Reads FILE (standard input when FILE is absent or \"-\") as the UTF-8 text of one data\n"
    "frame and prints one line, type=T scope=S name=\"...\", as the plug-in reads the header:\n"
    "typographic closing quotes straightened, then each attribute found by exact search over the\n"
    "whole text. T and S are numbers (-1 when no literal is found); the name is JSON-escaped and\n"
    "empty when no name attribute closes before the first \"/>\".\n"
    "\n"
    "Exit status: 0 success, 1 unreadable or non-UTF-8 input, 2 bad arguments.\n";

}  // namespace

int RunHeaderCommand(const CommandArgs& args) {
  std::string path = "-";
  bool havePath = false;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHeaderHelp, stdout);
      return 0;
    }
    if ((arg.size() > 1 && arg[0] == '-') || havePath) {
      std::fprintf(stderr, "vantelle header: unexpected argument '%s'\n%s", arg.c_str(),
                   kHeaderUsage);
      return 2;
    }
    path = arg;
    havePath = true;
  }

  ToolSession session;
  PMString text;
  std::string error;
  if (!ReadUTF8Input(path, text, error)) {
    std::fprintf(stderr, "vantelle header: %s\n", error.c_str());
    return 1;
  }
  StraightenQuotes(text);
  DataFrameType type = kDataFrameTypeUnknown;
  DataFrameScope scope = kDataFrameScopeUnknown;
  PMString name;
  ReadHeaderAttributes(text, &type, &scope, name);
  std::printf("%s\n", HeaderText(type, scope, name).c_str());
  return 0;
}
