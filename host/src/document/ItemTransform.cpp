// The inner-to-parent matrix of a page item, and the walk that maps its inner coordinates to the
// pasteboard. An item of a document saved before items kept a matrix reads as the identity, as
// its bounds were then stored in pasteboard coordinates.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IHierarchy.h"
#include "IItemTransform.h"
#include "IPMStream.h"
#include "InterfacePtr.h"
#include "PersistentHostFactory.h"
#include "StreamFields.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class ItemTransform : public CPMUnknown<IItemTransform> {
 public:
  explicit ItemTransform(IPMUnknown* boss) : CPMUnknown(boss) {}

  const PMMatrix& GetInnerToParent() const override { return fMatrix; }
  void SetInnerToParent(const PMMatrix& matrix) override {
    PreDirty();
    fMatrix = matrix;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferMatrix(stream, fMatrix); }

 private:
  PMMatrix fMatrix;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<ItemTransform>(kItemTransformImpl));
});

}  // namespace

PMMatrix InnerToPasteboardMatrix(const IPMUnknown* item) {
  PMMatrix result;
  InterfacePtr<IItemTransform> transform(item, IID_IITEMTRANSFORM);
  InterfacePtr<IHierarchy> hierarchy(item, IID_IHIERARCHY);
  // Pages and spreads keep no matrix: the walk ends at the first parent without one.
  while (transform) {
    result.PostConcat(transform->GetInnerToParent());
    hierarchy.reset(hierarchy ? hierarchy->QueryParent() : nullptr);
    transform = InterfacePtr<IItemTransform>(hierarchy.get(), IID_IITEMTRANSFORM);
  }
  return result;
}
