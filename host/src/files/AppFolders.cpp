#include "AppFolders.h"

#include "platform/Platform.h"

namespace {
std::string gAppFolder;
std::string gRoamingFolder;
}  // namespace

namespace AppFolders {

void SetAppFolder(const std::string& folder) {
  gAppFolder = folder;
}
void SetRoamingFolder(const std::string& folder) {
  gRoamingFolder = folder;
}
std::string AppFolder() {
  return gAppFolder.empty() ? Platform::ExecutableFolder() : gAppFolder;
}
std::string RoamingFolder() {
  return gRoamingFolder.empty() ? Platform::UserRoamingFolder() : gRoamingFolder;
}

}  // namespace AppFolders
