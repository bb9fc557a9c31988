// An ordered list of UIDs of one database.
#pragma once

#include <vector>

#include "UIDRef.h"

class HOST_API UIDList {
 public:
  UIDList() = default;
  explicit UIDList(IDataBase* db) : fDataBase(db) {}
  explicit UIDList(const UIDRef& ref) : fDataBase(ref.GetDataBase()) {
    fUIDs.push_back(ref.GetUID());
  }

  IDataBase* GetDataBase() const { return fDataBase; }
  int32 Length() const { return static_cast<int32>(fUIDs.size()); }
  bool16 IsEmpty() const { return fUIDs.empty() ? kTrue : kFalse; }
  UID operator[](int32 index) const { return fUIDs[static_cast<size_t>(index)]; }
  UID At(int32 index) const { return fUIDs[static_cast<size_t>(index)]; }
  UIDRef GetRef(int32 index) const { return UIDRef(fDataBase, At(index)); }
  void Append(UID uid) { fUIDs.push_back(uid); }
  void Clear() { fUIDs.clear(); }
  bool operator==(const UIDList& o) const { return fDataBase == o.fDataBase && fUIDs == o.fUIDs; }

 private:
  IDataBase* fDataBase = nullptr;
  std::vector<UID> fUIDs;
};
