#include "HostApplication.h"

#include "FileUtils.h"
#include "HostIDs.h"
#include "database/Database.h"
#include "files/AppFolders.h"
#include "persist/DocumentFile.h"
#include "plugins/LoadReport.h"
#include "plugins/PlugInLoader.h"
#include "session/HostSession.h"

namespace {

bool gStarted = false;

// The session workspace is kept between sessions in the user's roaming folder.
IDFile WorkspaceFolder() {
  IDFile folder;
  FileUtils::GetAppRoamingDataFolder(&folder, "Vantelle");
  return folder;
}

IDFile WorkspaceFile() {
  IDFile file = WorkspaceFolder();
  FileUtils::AppendPath(&file, "Session Workspace.vtd");
  return file;
}

// The workspace an earlier session saved; null (a new one is made) when there is none or it
// cannot be used.
std::unique_ptr<Database> OpenWorkspace() {
  IDFile file = WorkspaceFile();
  if (!FileUtils::DoesFileExist(file)) return nullptr;
  std::string error;
  std::unique_ptr<Database> db = DocumentFile::Open(file, &error);
  if (db && db->GetClass(db->GetRootUID()) != kSessionWorkspaceBoss) {
    db.reset();
    error = "it holds no session workspace";
  }
  if (!db) LoadReport::Add(file.GetUTF8Path(), error + "; a new session workspace is used");
  return db;
}

void SaveWorkspace() {
  Database* db = HostSession::WorkspaceDatabase();
  if (!db || !db->IsModified()) return;
  std::string error;
  if (FileUtils::CreateFolderIfNeeded(WorkspaceFolder()) != kSuccess ||
      !DocumentFile::Save(*db, WorkspaceFile(), &error)) {
    LoadReport::Add(WorkspaceFile().GetUTF8Path(),
                    "the session workspace cannot be saved" + (error.empty() ? "" : ": " + error));
  }
}

}  // namespace

namespace HostApplication {

bool StartWith(const HostOptions& options, const std::function<bool()>& loadPlugIns) {
  if (gStarted || GetExecutionContextSession()) return false;
  AppFolders::SetAppFolder(options.appFolder);
  AppFolders::SetRoamingFolder(options.roamingFolder);
  LoadReport::Clear();
  bool requiredLoaded = true;
  if (!HostSession::Start([&] { requiredLoaded = loadPlugIns(); }, OpenWorkspace)) return false;
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
  SaveWorkspace();
  HostSession::End();
  PlugInLoader::UnloadAll();
}

}  // namespace HostApplication
