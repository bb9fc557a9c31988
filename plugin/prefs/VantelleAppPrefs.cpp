#include "prefs/VantelleAppPrefs.h"

#include "IDataBase.h"
#include "ISession.h"
#include "IWorkspace.h"
#include "InterfacePtr.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

void VantelleAppPrefs::SetData(void* block) {
  ISession* session = GetExecutionContextSession();
  if (!session) return;
  InterfacePtr<IWorkspace> workspace(session->QueryWorkspace());
  IDataBase* db = workspace ? ::GetDataBase(workspace.get()) : nullptr;
  if (!db) return;
  db->BeginTransaction();
  PreDirty(kInvalidImpl, kTrue);
  fData.Replace(block);
  db->EndTransaction();
}

void VantelleAppPrefs::ReadWrite(IPMStream* stream, ImplementationID) {
  fData.ReadWrite(stream);
}

CREATE_PERSIST_PMINTERFACE(VantelleAppPrefs, kVantelleAppPrefsImpl);
