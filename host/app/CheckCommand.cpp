// vantelle check: what the plug-in will make of a data frame text, where that differs from what
// its author probably meant, as findings with a place, a code and a severity.
#include <cstdio>
#include <string>
#include <vector>

#include "CommandInput.h"
#include "Commands.h"
#include "ToolArguments.h"
#include "ToolSession.h"
#include "check/DataFrameCheck.h"
#include "text/OutputBuffer.h"
#include "text/OutputText.h"

namespace {

constexpr const char* kCheckUsage =
    "usage: vantelle check [--type T] [--format text|json] [FILE...]\n";

constexpr const char* kCheckHelp =
    "usage: vantelle check [--type T] [--format text|json] [FILE...]\n"
    "\n"
    "Reads each FILE (standard input when there is none, or for \"-\") as the UTF-8 text of one\n"
    "data frame, exactly as 'vantelle parse' does, and reports every place where the entries the\n"
    "plug-in hands out differ from what the author probably meant: a missing or unknown type or\n"
    "scope, a name cut short, text before the header, comments left open or joining lines or\n"
    "hiding a separator, lines that give no entry or the value \"Missing Value\", escaped\n"
    "separators, labels given twice, trimmed white space, straightened quotes and characters\n"
    "the 8-bit encoding cannot hold. Each finding has a code (DF101 ...) and is a warning or a\n"
    "note; docs/parse.md lists them.\n"
    "\n"
    "  --type T     read as type T, as 'vantelle parse --type' does; the header's type is then\n"
    "               not checked.\n"
    "  --format F   text (default): one line per finding,\n"
    "                 FILE:LINE:COLUMN: SEVERITY CODE: MESSAGE\n"
    "               json: one array of objects with file, line, column, lastLine, severity,\n"
    "                 code and message.\n"
    "\n"
    "Exit status: 0 nothing above a note, 1 warnings, 2 unreadable or non-UTF-8 input or bad\n"
    "arguments.\n";

// In the order of ReadToolArguments' formats.
enum CheckFormat { kText, kJson };

const char* SeverityName(FindingSeverity severity) {
  return severity == FindingSeverity::kWarning ? "warning" : "note";
}

void WriteText(OutputBuffer& out, std::string_view file, const CheckFinding& finding) {
  out.AppendAll(file, ':', finding.line, ':', finding.column, ": ",
                std::string_view(SeverityName(finding.severity)), ' ',
                std::string_view(finding.code), ": ", finding.message, '\n');
}

void WriteJson(OutputBuffer& out, std::string_view quotedFile, const CheckFinding& finding,
               bool first) {
  out.AppendAll(std::string_view(first ? "\n{\"file\":" : ",\n{\"file\":"), quotedFile,
                ",\"line\":", finding.line, ",\"column\":", finding.column,
                ",\"lastLine\":", finding.lastLine, ",\"severity\":\"",
                std::string_view(SeverityName(finding.severity)), "\",\"code\":\"",
                std::string_view(finding.code),
                "\",\"message\":", JsonQuote(std::string(finding.message)), '}');
}

}  // namespace

int RunCheckCommand(const CommandArgs& args) {
  ToolArguments arguments;
  const std::string argumentError = ReadToolArguments(args, {"text", "json"}, arguments);
  if (!argumentError.empty()) {
    std::fprintf(stderr, "vantelle check: %s\n%s", argumentError.c_str(), kCheckUsage);
    return 2;
  }
  if (arguments.help) {
    std::fputs(kCheckHelp, stdout);
    return 0;
  }
  CheckOptions options;
  options.typeGiven = arguments.typeGiven;
  options.type = arguments.type;

  ToolSession session;
  int status = 0;
  bool first = true;
  OutputBuffer out(stdout);
  if (arguments.format == kJson) out.Append('[');
  for (const std::string& path : arguments.files) {
    PMString text;
    std::string error;
    if (!ReadUTF8Input(path, text, error)) {
      out.Flush();
      std::fprintf(stderr, "vantelle check: %s\n", error.c_str());
      status = 2;
      continue;
    }
    const std::string file = path == "-" ? "<stdin>" : path;
    const std::string quotedFile = JsonQuote(file);
    CheckDataFrameText(text, options, [&](const CheckFinding& finding) {
      if (finding.severity == FindingSeverity::kWarning && status == 0) status = 1;
      if (arguments.format == kText) {
        WriteText(out, file, finding);
      } else {
        WriteJson(out, quotedFile, finding, first);
      }
      first = false;
    });
  }
  if (arguments.format == kJson) out.Append(first ? "]\n" : "\n]\n");
  return status;
}
