// vantelle run FILE and vantelle shell: start the host with its plug-ins and run a session script
// from a file or from standard input.
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "SessionRunner.h"
#include "app/Host.h"
#include "platform/EnvFiles.h"
#include "platform/Platform.h"
#include "text/OutputText.h"

namespace {

// A script is read whole before the host starts; a larger file is refused unread.
constexpr uint64 kMaxScriptSize = uint64{1} << 30;

constexpr char kRunUsage[] =
    "usage: vantelle run [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR] FILE\n";
constexpr char kShellUsage[] =
    "usage: vantelle shell [--plugins DIR] [--app-folder DIR] [--roaming-folder DIR]\n";

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
