#include "FileUtils.h"

#include "app/Host.h"
#include "platform/Platform.h"

namespace {

bool16 AnswerFolder(const std::string& path, IDFile* folder) {
  if (path.empty() || !folder) return kFalse;
  *folder = IDFile::FromUTF8(path);
  return kTrue;
}

}  // namespace

namespace FileUtils {

bool16 GetAppFolder(IDFile* folder) {
  const Host* host = Host::Current();
  return host ? AnswerFolder(host->AppFolder(), folder) : kFalse;
}

bool16 GetAppRoamingDataFolder(IDFile* folder, const PMString& subFolderName) {
  const Host* host = Host::Current();
  if (!host || !AnswerFolder(host->RoamingFolder(), folder)) return kFalse;
  AppendPath(folder, subFolderName);
  return kTrue;
}

void AppendPath(IDFile* file, const PMString& name) {
  if (!file || name.IsEmpty()) return;
  PMString path = file->GetPath();
  const textchar separator = static_cast<textchar>(Platform::kPathSeparator);
  if (!path.IsEmpty() && path[path.CharCount() - 1] != separator) path.Append(separator);
  path.Append(name);
  *file = IDFile(path);
}

ErrorCode CreateFolderIfNeeded(const IDFile& folder) {
  if (folder.IsEmpty()) return kFailure;
  return Host::CurrentEnv().CreateFolders(folder.GetUTF8Path(), nullptr) ? kSuccess : kFailure;
}

bool16 DoesFileExist(const IDFile& file) {
  if (file.IsEmpty()) return kFalse;
  return Host::CurrentEnv().Exists(file.GetUTF8Path()) ? kTrue : kFalse;
}

}  // namespace FileUtils
