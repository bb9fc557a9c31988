// A boss: one object of a class, aggregating one implementation per interface of the class.
// Reference counting is the boss's; every implementation forwards to it.
#pragma once

#include <memory>
#include <vector>

#include "IPMUnknown.h"
#include "ObjectModel.h"
#include "UIDRef.h"

class Boss final : public IPMUnknown {
 public:
  // The interface through which the host finds the boss behind any of its interfaces.
  enum { kBossIID = 0x7000FF };

  struct Part {
    PMIID interfaceID;
    const ImplementationFactory* factory;
    IPMUnknown* implementation;
  };

  // The parts of a boss, in the order of its class's layout.
  struct PartRange {
    const Part* first;
    const Part* last;
    const Part* begin() const { return first; }
    const Part* end() const { return last; }
    size_t size() const { return static_cast<size_t>(last - first); }
    const Part& operator[](size_t i) const { return first[i]; }
  };

  // A new boss with one reference, or null when the class is not defined or memory runs out.
  // Implementations whose factory is missing are left out: the boss then lacks those interfaces.
  static Boss* Create(ClassID classID, IDataBase* db = nullptr, UID uid = kInvalidUID);
  // The boss behind an interface of it, without a reference added; null for a foreign object.
  static Boss* Of(const IPMUnknown* object);

  IPMUnknown* QueryInterface(PMIID interfaceID) const override;
  void AddRef() const override { ++fRefCount; }
  void Release() const override;

  ClassID GetClass() const { return fClass; }
  IDataBase* GetDataBase() const { return fDataBase; }
  UID GetUID() const { return fUID; }
  PartRange Parts() const { return {fParts, fParts + fPartCount}; }
  int32 RefCount() const { return fRefCount; }

  // Puts a new implementation in a part's place (undo restores state into fresh objects). The
  // replaced one stays alive, retired, for interface pointers still held to it, until
  // DropRetired or the boss goes.
  void ReplaceImplementation(size_t part, IPMUnknown* implementation);
  // Destroys the retired implementations; only when no reference from outside remains.
  void DropRetired();
  bool HasRetired() const { return !fRetired.empty(); }

 private:
  Boss(ClassID classID, IDataBase* db, UID uid, std::shared_ptr<const ClassLayout> layout)
      : fClass(classID), fDataBase(db), fUID(uid), fLayout(std::move(layout)) {}
  ~Boss() override;

  ClassID fClass;
  IDataBase* fDataBase;
  UID fUID;
  mutable int32 fRefCount = 1;
  // The parts' kinds and the index of interfaces, shared with the class's other bosses.
  std::shared_ptr<const ClassLayout> fLayout;
  // The parts, in the layout's order, in the same block of memory as the boss itself: finding an
  // interface reads the boss, the shared index and the one part. The implementations are the
  // factories' own allocations; a plug-in's registration offers no way to build one in place.
  Part* fParts = nullptr;
  size_t fPartCount = 0;
  std::vector<Part> fRetired;
};
