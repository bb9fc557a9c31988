// The hierarchy of spreads, pages and page items: a parent and an ordered list of children.
#include <algorithm>
#include <memory>
#include <vector>

#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "ErrorUtils.h"
#include "IDataBase.h"
#include "IHierarchy.h"
#include "IPMStream.h"
#include "InterfacePtr.h"
#include "PersistentHostFactory.h"
#include "StreamFields.h"
#include "database/PartEdit.h"
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

  // A child that is no object with a hierarchy is refused: the command adding it fails.
  void AddChild(UID child, int32 index) override {
    InterfacePtr<IHierarchy> childHierarchy(QueryObject(child));
    if (!childHierarchy) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    const size_t at =
        index < 0 ? fChildren.size() : std::min(static_cast<size_t>(index), fChildren.size());
    ApplyEdit(GetBoss(), this, std::make_unique<ChildEdit>(ChildEdit::kInsert, at, child));
    childHierarchy->SetParentUID(::GetUID(this));
  }
  void RemoveChild(UID child) override {
    const int32 index = GetChildIndex(child);
    if (index < 0) return;
    ApplyEdit(GetBoss(), this,
              std::make_unique<ChildEdit>(ChildEdit::kRemove, static_cast<size_t>(index), child));
    InterfacePtr<IHierarchy> childHierarchy(QueryObject(child));
    if (childHierarchy) childHierarchy->SetParentUID(kInvalidUID);
  }
  void SetParentUID(UID parent) override {
    if (parent == fParent) return;
    ApplyEdit(GetBoss(), this, std::make_unique<ChildEdit>(ChildEdit::kSetParent, 0, parent));
  }

  void ReadWrite(IPMStream* stream, ImplementationID) {
    stream->XferInt32(fParent);
    StreamFields::XferUIDs(stream, fChildren);
  }

 private:
  // Inserts a child at an index or removes it from there, or sets the parent; each becomes the
  // opposite (setting the parent it replaced).
  class ChildEdit : public PartEdit {
   public:
    enum Kind { kInsert, kRemove, kSetParent };
    ChildEdit(Kind kind, size_t index, UID uid) : fKind(kind), fIndex(index), fUID(uid) {}
    void Apply(IPMUnknown* implementation) override {
      Hierarchy& hierarchy = *static_cast<Hierarchy*>(implementation);
      auto at = hierarchy.fChildren.begin() + static_cast<std::ptrdiff_t>(fIndex);
      switch (fKind) {
        case kInsert:
          hierarchy.fChildren.insert(at, fUID);
          fKind = kRemove;
          break;
        case kRemove:
          hierarchy.fChildren.erase(at);
          fKind = kInsert;
          break;
        case kSetParent:
          std::swap(hierarchy.fParent, fUID);
          break;
      }
    }

   private:
    Kind fKind;
    size_t fIndex;
    UID fUID;
  };

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
