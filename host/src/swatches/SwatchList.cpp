// The swatch list of a document's workspace.
#include <algorithm>
#include <vector>

#include "CPMUnknown.h"
#include "IPMStream.h"
#include "ISwatchList.h"
#include "document/PersistentHostFactory.h"
#include "document/StreamFields.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class SwatchList : public CPMUnknown<ISwatchList> {
 public:
  explicit SwatchList(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 GetSwatchCount() const override { return static_cast<int32>(fSwatches.size()); }
  UID GetNthSwatchUID(int32 index) const override {
    return index >= 0 && index < GetSwatchCount() ? fSwatches[static_cast<size_t>(index)]
                                                  : kInvalidUID;
  }

  void AddSwatch(UID swatch) override {
    if (swatch == kInvalidUID || Find(swatch) != fSwatches.end()) return;
    PreDirty();
    fSwatches.push_back(swatch);
  }
  void RemoveSwatch(UID swatch) override {
    auto it = Find(swatch);
    if (it == fSwatches.end()) return;
    PreDirty();
    fSwatches.erase(it);
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferUIDs(stream, fSwatches); }

 private:
  std::vector<UID>::iterator Find(UID swatch) {
    return std::find(fSwatches.begin(), fSwatches.end(), swatch);
  }

  std::vector<UID> fSwatches;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<SwatchList>(kSwatchListImpl));
});

}  // namespace
