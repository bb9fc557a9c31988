#include "Host.h"

#include <cstdio>
#include <cstdlib>

#include "FileUtils.h"
#include "HostIDs.h"
#include "database/Database.h"
#include "objectmodel/HostClassRegistrar.h"
#include "persist/DocumentFile.h"

namespace {

Host* gCurrent = nullptr;

// What the load report names for problems of the session workspace.
constexpr char kWorkspace[] = "session workspace";

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
    error = file.GetUTF8Path() + ": it holds no session workspace";
  }
  if (!db) Host::Get().Report().Add(kWorkspace, error + "; a new session workspace is used");
  return db;
}

}  // namespace

Host::Host(Env& env, BlockAllocator* blocks)
    : fEnv(env), fBlocks(blocks ? *blocks : fHeapBlocks), fPrevious(gCurrent), fPlugIns(*this) {
  gCurrent = this;
  HostClassRegistrar::RegisterAll(fModel);
}

Host::~Host() {
  Quit();
  fUI.CancelAll();  // dialogs of a session that was never started
  fSession.End();
  gCurrent = fPrevious;
}

Host* Host::Current() {
  return gCurrent;
}

Host& Host::Get() {
  if (!gCurrent) {
    std::fprintf(stderr, "vantelle: the host is used before one is made\n");
    std::abort();
  }
  return *gCurrent;
}

Env& Host::CurrentEnv() {
  return gCurrent ? gCurrent->fEnv : Env::Default();
}

bool Host::StartWith(const HostOptions& options, const std::function<bool()>& loadPlugIns) {
  if (fStarted || fSession.Get()) return false;
  fOptions = options;
  fReport.Clear();
  fAlerts.Clear();
  bool requiredLoaded = true;
  if (!fSession.Start([&] { requiredLoaded = loadPlugIns(); }, OpenWorkspace)) return false;
  if (!requiredLoaded) {
    fSession.End();
    fPlugIns.UnloadAll();
    return false;
  }
  fStarted = true;
  fPlugIns.StartServices();
  return true;
}

bool Host::Start(const HostOptions& options) {
  return StartWith(options, [this, &options] {
    return options.plugInsFolder.empty() || fPlugIns.LoadFolder(options.plugInsFolder);
  });
}

void Host::Quit() {
  if (!fStarted) return;
  fStarted = false;
  fUI.CancelAll();
  fPlugIns.StopServices();
  SaveWorkspace();
  fSession.End();
  fPlugIns.UnloadAll();
}

void Host::SaveWorkspace() {
  Database* db = fSession.WorkspaceDatabase();
  if (!db || !db->IsModified()) return;
  std::string error = "cannot create the folder " + WorkspaceFolder().GetUTF8Path();
  if (FileUtils::CreateFolderIfNeeded(WorkspaceFolder()) != kSuccess ||
      !DocumentFile::Save(*db, WorkspaceFile(), &error)) {
    fReport.Add(kWorkspace, error);
  }
}

std::string Host::AppFolder() const {
  return fOptions.appFolder.empty() ? fEnv.ProgramFolder() : fOptions.appFolder;
}

std::string Host::RoamingFolder() const {
  return fOptions.roamingFolder.empty() ? fEnv.UserRoamingFolder() : fOptions.roamingFolder;
}

void Host::Beep(uint32 type) {
  fEnv.Beep(type);
  ++fBeeps;
  fLastBeepType = type;
}
