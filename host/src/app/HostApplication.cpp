#include "HostApplication.h"

#include "files/AppFolders.h"
#include "plugins/LoadReport.h"
#include "plugins/PlugInLoader.h"
#include "session/HostSession.h"

namespace {
bool gStarted = false;
}  // namespace

namespace HostApplication {

bool StartWith(const HostOptions& options, const std::function<bool()>& loadPlugIns) {
  if (gStarted || GetExecutionContextSession()) return false;
  AppFolders::SetAppFolder(options.appFolder);
  AppFolders::SetRoamingFolder(options.roamingFolder);
  LoadReport::Clear();
  bool requiredLoaded = true;
  if (!HostSession::Start([&] { requiredLoaded = loadPlugIns(); })) return false;
  if (!requiredLoaded) {
    HostSession::End();
    PlugInLoader::UnloadAll();
    return false;
  }
  gStarted = true;
  PlugInLoader::StartServices();
  return true;
}

bool Start(const HostOptions& options) {
  return StartWith(options, [&options] { return PlugInLoader::LoadFolder(options.plugInsFolder); });
}

void Quit() {
  if (!gStarted) return;
  gStarted = false;
  PlugInLoader::StopServices();
  HostSession::End();
  PlugInLoader::UnloadAll();
}

}  // namespace HostApplication
