// One object of a database: its class, its boss, and the stored parts no loaded implementation
// reads (a plug-in that is not loaded), kept as they came so that a save writes them back.
#pragma once

#include <utility>
#include <vector>

#include "objectmodel/Boss.h"

struct ForeignPart {
  PMIID interfaceID;
  ImplementationID implementation;
  std::vector<uint8> bytes;
};

class StoredObject {
 public:
  StoredObject() = default;
  // Adopts the boss's one reference; the boss may be null for a class this session lacks.
  StoredObject(ClassID classID, Boss* boss) : fClass(classID), fBoss(boss) {}
  StoredObject(StoredObject&& o) noexcept
      : fClass(o.fClass), fBoss(std::exchange(o.fBoss, nullptr)), fForeign(std::move(o.fForeign)) {}
  StoredObject& operator=(StoredObject&& o) noexcept {
    std::swap(fClass, o.fClass);
    std::swap(fBoss, o.fBoss);
    std::swap(fForeign, o.fForeign);
    return *this;
  }
  StoredObject(const StoredObject&) = delete;
  StoredObject& operator=(const StoredObject&) = delete;
  ~StoredObject() {
    if (fBoss) fBoss->Release();
  }

  ClassID GetClass() const { return fClass; }
  Boss* GetBoss() const { return fBoss; }
  const std::vector<ForeignPart>& Foreign() const { return fForeign; }
  void AddForeign(ForeignPart part) { fForeign.push_back(std::move(part)); }

 private:
  ClassID fClass = kInvalidClass;
  Boss* fBoss = nullptr;
  std::vector<ForeignPart> fForeign;
};
