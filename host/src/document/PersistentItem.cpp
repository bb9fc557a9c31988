// A page item's persistence interface. It holds nothing of its own: code that has it reaches the
// item's other interfaces, its subject above all, through it.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class PersistentItem : public CPMUnknown<IPMUnknown> {
 public:
  explicit PersistentItem(IPMUnknown* boss) : CPMUnknown(boss) {}
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<PersistentItem>(kPersistentItemImpl));
});

}  // namespace
