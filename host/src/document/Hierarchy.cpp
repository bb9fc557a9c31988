// The hierarchy of spreads, pages and page items: a parent and an ordered list of children.
#include <algorithm>
#include <vector>

#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "IPMStream.h"
#include "InterfacePtr.h"
#include "PersistentHostFactory.h"
#include "StreamFields.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class Hierarchy : public CPMUnknown<IHierarchy> {
 public:
  explicit Hierarchy(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 GetChildCount() const override { return static_cast<int32>(fChildren.size()); }
  UID GetChildUID(int32 index) const override {
    return index >= 0 && index < GetChildCount() ? fChildren[static_cast<size_t>(index)]
                                                 : kInvalidUID;
  }
  IHierarchy* QueryChild(int32 index) const override { return QueryObject(GetChildUID(index)); }
  int32 GetChildIndex(UID child) const override {
    auto it = std::find(fChildren.begin(), fChildren.end(), child);
    return it == fChildren.end() ? -1 : static_cast<int32>(it - fChildren.begin());
  }
  UID GetParentUID() const override { return fParent; }
  IHierarchy* QueryParent() const override { return QueryObject(fParent); }

  void AddChild(UID child, int32 index) override {
    InterfacePtr<IHierarchy> childHierarchy(QueryObject(child));
    if (!childHierarchy) return;
    PreDirty();
    const size_t at =
        index < 0 ? fChildren.size() : std::min(static_cast<size_t>(index), fChildren.size());
    fChildren.insert(fChildren.begin() + static_cast<std::ptrdiff_t>(at), child);
    childHierarchy->SetParentUID(::GetUID(this));
  }
  void RemoveChild(UID child) override {
    const int32 index = GetChildIndex(child);
    if (index < 0) return;
    PreDirty();
    fChildren.erase(fChildren.begin() + index);
    InterfacePtr<IHierarchy> childHierarchy(QueryObject(child));
    if (childHierarchy) childHierarchy->SetParentUID(kInvalidUID);
  }
  void SetParentUID(UID parent) override {
    if (parent == fParent) return;
    PreDirty();
    fParent = parent;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) {
    stream->XferInt32(fParent);
    StreamFields::XferUIDs(stream, fChildren);
  }

 private:
  IHierarchy* QueryObject(UID uid) const {
    IDataBase* db = GetDataBase();
    if (!db || uid == kInvalidUID) return nullptr;
    return static_cast<IHierarchy*>(db->Instantiate(uid, IID_IHIERARCHY));
  }

  UID fParent = kInvalidUID;
  std::vector<UID> fChildren;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<Hierarchy>(kHierarchyImpl));
});

}  // namespace
