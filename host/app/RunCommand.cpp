// vantelle run FILE and vantelle shell: start the host with its plug-ins and run a session script
// from a file or from standard input. vantelle script FILE.js [DOCUMENT]: run a JavaScript file
// against a new document or an opened one.
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "IDFile.h"
#include "SessionRunner.h"
#include "app/Host.h"
#include "database/Database.h"
#include "document/DocumentFactory.h"
#include "platform/EnvFiles.h"
#include "platform/Platform.h"
#include "scripting/ScriptFile.h"
#include "scripting/ScriptManager.h"
#include "text/OutputText.h"

namespace {

// A script is read whole before the host starts; a larger file is refused unread.
constexpr uint64 kMaxScriptSize = uint64{1} << 30;

constexpr char kRunUsage[] =
    "usage: vantelle run [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR] FILE\n";
constexpr char kShellUsage[] =
    "usage: vantelle shell [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR]\n";
constexpr char kScriptUsage[] =
    "usage: vantelle script [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR] FILE.js "
    "[DOCUMENT]\n";

// The defaults work from the build tree: its plug-ins folder, and the build folder as the
// application's folder with a roaming folder inside it.
HostOptions DefaultOptions() {
  HostOptions options;
  options.plugInsFolder = VANTELLE_BUILD_DIR "/Plug-Ins";
  options.appFolder = VANTELLE_BUILD_DIR;
  options.roamingFolder = VANTELLE_BUILD_DIR "/Roaming";
  return options;
}

// Reads the folder options; the words that remain are left in rest. Answers false, having said
// why, for an option without its folder or an unknown one.
bool ReadOptions(const CommandArgs& args, HostOptions& options, CommandArgs& rest) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string* folder = arg == "--plugins"          ? &options.plugInsFolder
                          : arg == "--app-folder"     ? &options.appFolder
                          : arg == "--roaming-folder" ? &options.roamingFolder
                                                      : nullptr;
    if (folder) {
      if (++i == args.size()) {
        std::cerr << "vantelle: " << arg << " needs a folder\n";
        return false;
      }
      *folder = args[i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::cerr << "vantelle: unknown option " << arg << '\n';
      return false;
    } else {
      rest.push_back(arg);
    }
  }
  return true;
}

// Runs the script with the host started. In the shell on a terminal, the person types the steps
// of the dialogs the script leaves open.
int RunWithHost(const HostOptions& options, std::istream& script, bool keepGoing) {
  Host host;
  if (!host.Start(options)) {
    std::cerr << "vantelle: the host could not start\n";
    return kSessionFailed;
  }
  const bool personAtTerminal = keepGoing && Platform::StandardInputIsTerminal();
  return RunSessionScript(script, std::cout, std::cerr, keepGoing, personAtTerminal);
}

// Runs the JavaScript source on the document opened from file, or on a new one when file is
// empty, with the host started; alerts print as a session script's do.
int RunScriptWithHost(const HostOptions& options, const std::string& path,
                      const std::string& source, const std::string& file) {
  Host host;
  if (!host.Start(options)) {
    std::cerr << "vantelle: the host could not start\n";
    return kSessionFailed;
  }
  AlertPrinter alerts(host.Alerts(), std::cout, true);
  std::string error;
  std::unique_ptr<Database> document =
      file.empty() ? DocumentFactory::NewDocument(1, 1)
                   : DocumentFactory::OpenDocument(IDFile::FromUTF8(file), &error);
  if (!document) {
    std::cerr << "error: " << (error.empty() ? "the host could not make a document" : error)
              << '\n';
    return kSessionFailed;
  }
  std::vector<ScriptDocument> documents = {{document.get(), file}};
  const ScriptOutcome outcome =
      ScriptManager::OfSession()->Run(path, source, documents, ScriptLimits(),
                                      [](const std::string& line) { std::cout << line << '\n'; });
  if (outcome.completed) return kSessionOK;
  std::cerr << "error: script " << path << ':' << outcome.line << ": " << outcome.message << '\n';
  return kSessionFailed;
}

}  // namespace

int RunRunCommand(const CommandArgs& args) {
  HostOptions options = DefaultOptions();
  CommandArgs rest;
  if (!ReadOptions(args, options, rest) || rest.size() != 1) {
    std::cerr << kRunUsage;
    return kSessionScriptError;
  }
  std::vector<uint8> bytes;
  std::string error;
  if (!ReadWholeFile(Env::Default(), rest[0], kMaxScriptSize, &bytes, &error)) {
    std::cerr << "vantelle: " << error << '\n';
    return kSessionFailed;
  }
  std::istringstream script(std::string(bytes.begin(), bytes.end()));
  return RunWithHost(options, script, false);
}

int RunShellCommand(const CommandArgs& args) {
  HostOptions options = DefaultOptions();
  CommandArgs rest;
  if (!ReadOptions(args, options, rest) || !rest.empty()) {
    std::cerr << kShellUsage;
    return kSessionScriptError;
  }
  return RunWithHost(options, std::cin, true);
}

int RunScriptCommand(const CommandArgs& args) {
  HostOptions options = DefaultOptions();
  CommandArgs rest;
  if (!ReadOptions(args, options, rest) || rest.empty() || rest.size() > 2) {
    std::cerr << kScriptUsage;
    return kSessionScriptError;
  }
  std::string source, error;
  if (!ReadScriptFile(rest[0], &source, &error)) {
    std::cerr << "vantelle: " << error << '\n';
    return kSessionFailed;
  }
  return RunScriptWithHost(options, rest[0], source, rest.size() == 2 ? rest[1] : std::string());
}
