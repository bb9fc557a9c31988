// The document's spreads in order.
#include <vector>

#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IPMStream.h"
#include "ISpreadList.h"
#include "PersistentHostFactory.h"
#include "StreamFields.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class SpreadList : public CPMUnknown<ISpreadList> {
 public:
  explicit SpreadList(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 GetSpreadCount() const override { return static_cast<int32>(fSpreads.size()); }
  UID GetNthSpreadUID(int32 index) const override {
    return index >= 0 && index < GetSpreadCount() ? fSpreads[static_cast<size_t>(index)]
                                                  : kInvalidUID;
  }
  void AppendSpread(UID spread) override {
    PreDirty();
    fSpreads.push_back(spread);
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferUIDs(stream, fSpreads); }

 private:
  std::vector<UID> fSpreads;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<SpreadList>(kSpreadListImpl));
});

}  // namespace
