// The host: one object that owns everything the running host application holds, its object model,
// change scopes, session, plug-ins, folders, alerts, load report, string tables, global error code
// and beeps. The SDK's global entry points (GetExecutionContextSession, UtilsBoss::QueryUtils,
// CAlert, ErrorUtils, FileUtils, MessageBeep, ...) reach the current host: the one made last that
// is still alive. The vantelle program makes one; each test makes its own, and nothing of it
// outlives it.
//
// A host's life: made (its object model then holds the host's own classes), started (session,
// plug-ins, session workspace, start-up services), quit (the reverse), perhaps started again, and
// destroyed, which quits it first. Everything it asks of the operating system (files, modules,
// folders, the clock, the beep) goes through the Env it is made with.
#pragma once

#include <functional>
#include <string>

#include "database/ChangeScope.h"
#include "objectmodel/ObjectModel.h"
#include "platform/Env.h"
#include "plugins/LoadReport.h"
#include "plugins/PlugInLoader.h"
#include "session/BlockAllocator.h"
#include "session/HostSession.h"
#include "ui/AlertLog.h"
#include "ui/StringTables.h"
#include "ui/UserInterface.h"

struct HostOptions {
  // Every module in this folder is loaded as a plug-in; an empty name loads none.
  std::string plugInsFolder;
  // What FileUtils::GetAppFolder and GetAppRoamingDataFolder answer; empty keeps the platform's.
  std::string appFolder;
  std::string roamingFolder;
};

class Host {
 public:
  // Makes a host on the environment and, when one is given, with the allocator of its memory
  // blocks (both must outlive it), and makes it the current one.
  explicit Host(Env& env = Env::Default(), BlockAllocator* blocks = nullptr);
  // Quits, ends the session and makes the host that was current before this one current again.
  // Hosts go in the reverse order of their making.
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The current host, or null when there is none.
  static Host* Current();
  // The current host, for code that only runs inside one (objects, commands, databases); it is a
  // programming error to call it without a host.
  static Host& Get();
  // The current host's environment, or the process's own when there is no host.
  static Env& CurrentEnv();

  // Starts the session, loads the plug-ins folder, opens the session workspace an earlier session
  // saved (in the roaming folder's "Vantelle" folder) and runs the start-up services. Modules
  // that cannot be loaded are reported on standard error, recorded, and skipped. Answers false
  // when the host is started already or the session cannot be made.
  bool Start(const HostOptions& options);
  // Starts with plug-ins of the caller's choosing: loadPlugIns runs where Start loads the plug-ins
  // folder and answers whether every required plug-in was loaded. Tests install the plug-in
  // linked into the test program this way (PlugInLoader::AdoptLinkedPlugIn).
  bool StartWith(const HostOptions& options, const std::function<bool()>& loadPlugIns);
  // Cancels the open dialogs, runs the shut-down services, saves a changed session workspace, ends
  // the session and unloads the plug-ins. Every object made from a plug-in's factories (documents
  // included) must be gone before. Does nothing when not started.
  void Quit();

  Env& Environment() { return fEnv; }
  // What the session's memory service allocates with.
  BlockAllocator& Blocks() { return fBlocks; }
  // The allocations refused so far: memory blocks, objects, anything the host asked memory for.
  // Many operations go on quietly after one (a null block, an object not made); whoever runs a
  // larger operation (a command, the reading of a document, a script line) compares two readings
  // and fails it whole when memory ran out on the way.
  uint64 Refusals() const { return fRefusals; }
  void CountRefusal() { ++fRefusals; }
  ObjectModel& Model() { return fModel; }
  ChangeScope::Stack& Scopes() { return fScopes; }
  HostSession& Session() { return fSession; }
  PlugInLoader& PlugIns() { return fPlugIns; }
  AlertLog& Alerts() { return fAlerts; }
  LoadReport& Report() { return fReport; }
  const StringTables& Strings() const { return fStrings; }
  StringTables& Strings() { return fStrings; }
  // The open dialogs and the person who works in them.
  UserInterface& UI() { return fUI; }

  // The folders FileUtils hands out: those of the options the host started with, else the
  // platform's.
  std::string AppFolder() const;
  std::string RoamingFolder() const;

  // The global error code through which a command's Do reports failure (ErrorUtils).
  ErrorCode GlobalErrorCode() const { return fGlobalErrorCode; }
  void SetGlobalErrorCode(ErrorCode code) { fGlobalErrorCode = code; }

  // MessageBeep: sounds the environment's beep and counts it, so that tests can see it.
  void Beep(uint32 type);
  uint64 BeepCount() const { return fBeeps; }
  uint32 LastBeepType() const { return fLastBeepType; }

 private:
  void SaveWorkspace();

  Env& fEnv;
  HeapBlocks fHeapBlocks;
  BlockAllocator& fBlocks;
  Host* fPrevious;
  HostOptions fOptions;
  bool fStarted = false;
  ErrorCode fGlobalErrorCode = kSuccess;
  uint64 fRefusals = 0;
  uint64 fBeeps = 0;
  uint32 fLastBeepType = 0;
  ObjectModel fModel;
  ChangeScope::Stack fScopes;
  AlertLog fAlerts;
  LoadReport fReport;
  StringTables fStrings;
  PlugInLoader fPlugIns;
  HostSession fSession;
  UserInterface fUI;
};
