// Folders of the host application and operations on files and folders by IDFile.
#pragma once

#include "IDFile.h"

namespace FileUtils {

// The folder of the host application. Answers kFalse, leaving the argument, when it is unknown.
HOST_API bool16 GetAppFolder(IDFile* folder);
// The user's roaming application-data folder, or the sub-folder of that name below it when the
// name is not empty. The folder is not created.
HOST_API bool16 GetAppRoamingDataFolder(IDFile* folder, const PMString& subFolderName);
// Appends one path component; an empty name changes nothing.
HOST_API void AppendPath(IDFile* file, const PMString& name);
// Creates the folder, and the folders above it that are missing. kSuccess when it exists after.
HOST_API ErrorCode CreateFolderIfNeeded(const IDFile& folder);
// Whether a file or folder of that path exists.
HOST_API bool16 DoesFileExist(const IDFile& file);

}  // namespace FileUtils
