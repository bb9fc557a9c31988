// The host application's life: start the session, load the plug-ins of the plug-ins folder, open
// the session workspace an earlier session saved (in the roaming folder's "Vantelle" folder) and
// run the start-up services; at quit, the shut-down services, the saving of a changed session
// workspace, the end of the session and the unloading of the modules.
#pragma once

#include <functional>
#include <string>

struct HostOptions {
  // Every module in this folder is loaded as a plug-in; a missing folder means no plug-ins.
  std::string plugInsFolder;
  // What FileUtils::GetAppFolder and GetAppRoamingDataFolder answer; empty keeps the platform's.
  std::string appFolder;
  std::string roamingFolder;
};

namespace HostApplication {

// Starts the host. Modules that cannot be loaded are reported on standard error, recorded, and
// skipped. Answers false when a session is running already or the session cannot be made.
bool Start(const HostOptions& options);
// Starts the host with plug-ins of the caller's choosing: loadPlugIns runs where Start loads the
// plug-ins folder and answers whether every required plug-in was loaded. Tests install the
// plug-in linked into the test program this way (PlugInLoader::AdoptLinkedPlugIn).
bool StartWith(const HostOptions& options, const std::function<bool()>& loadPlugIns);
// Runs the shut-down services, ends the session and unloads the plug-ins. Every object made from
// a plug-in's factories (documents included) must be gone before. Does nothing when not started.
void Quit();

}  // namespace HostApplication
