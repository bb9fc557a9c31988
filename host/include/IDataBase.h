// A document's database: objects of classes, each under a UID, with transactions around changes.
// Creating and deleting objects, like every PreDirty'd change, is part of the current undo step.
#pragma once

#include "IPMUnknown.h"
#include "UIDRef.h"

class HOST_API IDataBase {
 public:
  virtual ~IDataBase() = default;

  // An interface of the object with that UID, with a reference added; null when the UID names no
  // object or the object lacks the interface.
  virtual IPMUnknown* Instantiate(UID uid, PMIID interfaceID) = 0;
  // The document object's UID.
  virtual UID GetRootUID() const = 0;
  // The class of the object with that UID, kInvalidClass when there is none.
  virtual ClassID GetClass(UID uid) const = 0;
  virtual bool16 IsValidUID(UID uid) const = 0;

  // A new object of the class; kInvalidUID when the class is unknown.
  virtual UID NewUID(ClassID classID) = 0;
  virtual void DeleteUID(UID uid) = 0;

  // Transactions nest; changes made between the outermost begin and end belong together.
  virtual void BeginTransaction() = 0;
  virtual void EndTransaction() = 0;

  // Whether the document changed since it was created, opened or saved.
  virtual bool16 IsModified() const = 0;
};

// The database and UID of an object of a document (null and kInvalidUID for other objects).
HOST_API IDataBase* GetDataBase(const IPMUnknown* object);
HOST_API UID GetUID(const IPMUnknown* object);
HOST_API UIDRef GetUIDRef(const IPMUnknown* object);
