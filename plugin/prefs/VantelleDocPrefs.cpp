#include "prefs/VantelleDocPrefs.h"

#include "IDataBase.h"
#include "IPMStream.h"
#include "frame/ImplementationRegistration.h"
#include "frame/VantelleID.h"

void VantelleDocPrefs::SetOption(uint16& option, uint16 value) {
  if (value == option) return;
  IDataBase* db = GetDataBase();
  if (!db) return;
  db->BeginTransaction();
  PreDirty(kInvalidImpl, kTrue);
  option = value;
  db->EndTransaction();
}

void VantelleDocPrefs::SetTagData(void* block) {
  IDataBase* db = GetDataBase();
  if (!db) return;
  db->BeginTransaction();
  PreDirty(kInvalidImpl, kTrue);
  fTagData.Replace(block);
  db->EndTransaction();
}

void VantelleDocPrefs::ReadWrite(IPMStream* stream, ImplementationID) {
  stream->XferInt16(fOption1);
  stream->XferInt16(fOption2);
  fTagData.ReadWrite(stream);
}

CREATE_PERSIST_PMINTERFACE(VantelleDocPrefs, kVantelleDocPrefsImpl);
