// Session commands of the host's user interface: dialog, action, menu and settings.
//
//   dialog STEP...   steps the person takes in the open dialog, or in the next one (DialogSteps.h)
//   action ID        chooses the menu entry of the action
//   menu             lists the menu entries plug-ins added
//   settings         where the module settings file is, and its bytes
#include <charconv>
#include <filesystem>

#include "FileUtils.h"
#include "InterfacePtr.h"
#include "ScriptSession.h"
#include "SessionCommand.h"
#include "SessionFormat.h"
#include "StreamUtil.h"
#include "app/Host.h"
#include "ui/Menus.h"

namespace {

void Dialog(ScriptSession& session, const SessionCall& call) {
  session.DialogUser().Steps(ParseDialogSteps(call.Args()));
}

ActionID ParseAction(const std::string& word) {
  const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
  const char* begin = word.data() + (hex ? 2 : 0);
  const char* end = word.data() + word.size();
  ActionID action = 0;
  const auto parsed = std::from_chars(begin, end, action, hex ? 16 : 10);
  if (word.empty() || parsed.ec != std::errc() || parsed.ptr != end) {
    throw ScriptError("an action ID is a 32-bit number, decimal or 0x… hexadecimal, not " + word);
  }
  return action;
}

void Action(ScriptSession&, const SessionCall& call) {
  const ActionID action = ParseAction(call.Arg(0));
  if (!DoMenuAction(Host::Get().PlugIns(), action)) {
    throw ScriptError("no menu entry has the action " + HexID(action));
  }
}

void Menu(ScriptSession& session, const SessionCall&) {
  for (const MenuEntry& entry : MenuEntries(Host::Get().PlugIns())) {
    session.Out() << "menu " << HexID(entry.action) << ' ' << JsonQuote(entry.text.GetUTF16())
                  << '\n';
  }
}

// Where the plug-in keeps its settings: below the application's "Plug-Ins" folder when that
// holds "Corbelin/Config", else below the roaming folder.
IDFile SettingsFile() {
  IDFile config;
  FileUtils::GetAppFolder(&config);
  for (const char* folder : {"Plug-Ins", "Corbelin", "Config"}) {
    FileUtils::AppendPath(&config, folder);
  }
  if (!FileUtils::DoesFileExist(config)) {
    FileUtils::GetAppRoamingDataFolder(&config, "Corbelin");
    FileUtils::AppendPath(&config, "Config");
  }
  FileUtils::AppendPath(&config, "QRV Vantelle Module.prf");
  return config;
}

// A path inside the working folder relative to it, so that output does not depend on where
// the script runs; any other path as it is.
std::string ShownPath(const IDFile& file) {
  const std::filesystem::path path = file.GetUTF8Path();
  const std::filesystem::path relative = path.lexically_relative(std::filesystem::current_path());
  const bool inside = !relative.empty() && *relative.begin() != "..";
  return (inside ? relative : path).string();
}

void Settings(ScriptSession& session, const SessionCall&) {
  const IDFile file = SettingsFile();
  std::string bytes;
  InterfacePtr<IPMStream> in(StreamUtil::CreateFileStreamRead(file));
  uint8 chunk[512];
  for (int32 read = 1; in && read > 0;) {
    read = in->XferByte(chunk, sizeof chunk);
    bytes.append(reinterpret_cast<const char*>(chunk), static_cast<size_t>(read));
  }
  session.Out() << "settings " << JsonQuote(ShownPath(file)) << ' '
                << (in ? HexText(bytes.data(), bytes.size()) : "-") << '\n';
}

SessionCommandRegistrar gCommands({
    {"dialog STEP...", Dialog},
    {"action ID", Action},
    {"menu", Menu},
    {"settings", Settings},
});

}  // namespace
