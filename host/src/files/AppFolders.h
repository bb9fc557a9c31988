// The two folders that FileUtils hands out. The host application sets them from its options;
// tests set them to folders of their own. Empty means the platform's folder.
#pragma once

#include <string>

namespace AppFolders {

void SetAppFolder(const std::string& folder);
void SetRoamingFolder(const std::string& folder);
std::string AppFolder();
std::string RoamingFolder();

}  // namespace AppFolders
