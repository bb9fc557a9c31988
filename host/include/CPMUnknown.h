// The base of every implementation: an implementation lives inside a boss (an object of a class)
// and forwards reference counting and interface lookup to it.
#pragma once

#include "IPMUnknown.h"

class IDataBase;

// Records the object's persistent state for undo and marks its document changed; called before
// the first change of an implementation in the current undo step. Defined by the host.
HOST_API void PreDirtyImplementation(const IPMUnknown* boss, const IPMUnknown* implementation,
                                     bool16 allowModification);
// The database that holds an object, or null for an object outside any document.
HOST_API IDataBase* GetDataBaseOf(const IPMUnknown* object);

template <class Interface>
class CPMUnknown : public Interface {
 public:
  explicit CPMUnknown(IPMUnknown* boss) : fBoss(boss) {}

  IPMUnknown* QueryInterface(PMIID interfaceID) const override {
    return fBoss->QueryInterface(interfaceID);
  }
  void AddRef() const override { fBoss->AddRef(); }
  void Release() const override { fBoss->Release(); }

 protected:
  // The implementation argument is accepted for the host's signature; the host snapshots this
  // implementation itself.
  void PreDirty(ImplementationID = kInvalidImpl, bool16 allowModification = kTrue) {
    PreDirtyImplementation(fBoss, this, allowModification);
  }
  IDataBase* GetDataBase() const { return GetDataBaseOf(fBoss); }
  IPMUnknown* GetBoss() const { return fBoss; }

 private:
  IPMUnknown* fBoss;
};
