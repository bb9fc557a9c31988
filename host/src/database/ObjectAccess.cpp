// How an implementation reaches its database: through the boss it lives in.
#include "CPMUnknown.h"
#include "Database.h"
#include "InterfacePtr.h"

void PreDirtyImplementation(const IPMUnknown* boss, const IPMUnknown* implementation,
                            bool16 /*allowModification*/) {
  Boss* owner = Boss::Of(boss);
  if (!owner) return;
  Database* db = Database::Of(owner->GetDataBase());
  if (db) db->PreDirty(owner, implementation);
}

IDataBase* GetDataBaseOf(const IPMUnknown* object) {
  Boss* boss = Boss::Of(object);
  return boss ? boss->GetDataBase() : nullptr;
}

IDataBase* GetDataBase(const IPMUnknown* object) {
  return GetDataBaseOf(object);
}

UID GetUID(const IPMUnknown* object) {
  Boss* boss = Boss::Of(object);
  return boss && boss->GetDataBase() ? boss->GetUID() : kInvalidUID;
}

UIDRef GetUIDRef(const IPMUnknown* object) {
  Boss* boss = Boss::Of(object);
  return boss && boss->GetDataBase() ? UIDRef(boss->GetDataBase(), boss->GetUID()) : UIDRef();
}

IPMUnknown* InstantiateInterface(IDataBase* db, UID uid, PMIID interfaceID) {
  return db ? db->Instantiate(uid, interfaceID) : nullptr;
}
