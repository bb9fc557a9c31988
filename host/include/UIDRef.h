// References to objects of a document: a UID inside one database.
#pragma once

#include "BaseType.h"

class IDataBase;

typedef uint32 UID;
constexpr UID kInvalidUID = 0;

class HOST_API UIDRef {
 public:
  UIDRef() = default;
  UIDRef(IDataBase* db, UID uid) : fDataBase(db), fUID(uid) {}

  IDataBase* GetDataBase() const { return fDataBase; }
  UID GetUID() const { return fUID; }
  bool operator==(const UIDRef& o) const { return fDataBase == o.fDataBase && fUID == o.fUID; }
  bool operator!=(const UIDRef& o) const { return !(*this == o); }

 private:
  IDataBase* fDataBase = nullptr;
  UID fUID = kInvalidUID;
};

extern HOST_API const UIDRef kInvalidUIDRef;
