// The bounding box of a page item.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IGeometry.h"
#include "IPMStream.h"
#include "PersistentHostFactory.h"
#include "StreamFields.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class Geometry : public CPMUnknown<IGeometry> {
 public:
  explicit Geometry(IPMUnknown* boss) : CPMUnknown(boss) {}

  PMRect GetBoundingBox() const override { return fBounds; }
  void SetBoundingBox(const PMRect& bounds) override {
    PreDirty();
    fBounds = bounds;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferRect(stream, fBounds); }

 private:
  PMRect fBounds;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<Geometry>(kGeometryImpl));
});

}  // namespace
