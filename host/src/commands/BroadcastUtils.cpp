// The document-wide broadcast utility (11311) on the utilities boss.
#include "CPMUnknown.h"
#include "HostIDs.h"
#include "IBroadcastUtils.h"
#include "InterfacePtr.h"
#include "database/Database.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class BroadcastUtils : public CPMUnknown<IBroadcastUtils> {
 public:
  explicit BroadcastUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  void BroadcastModelChange(IDataBase* db, ClassID change, PMIID protocol, void* changedBy,
                            void* data) override {
    InterfacePtr<ISubject> subject(QueryBroadcastSubject(db));
    if (subject) subject->ModelChange(change, protocol, changedBy, data);
  }

  ISubject* QueryBroadcastSubject(IDataBase* db) override {
    Database* database = Database::Of(db);
    return database ? database->QueryBroadcastSubject() : nullptr;
  }
};

HostClassRegistrar gBroadcastUtils([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<BroadcastUtils>(kBroadcastUtilsImpl));
  model.AddIn(kUtilsBoss, {{IBroadcastUtils::kDefaultIID, kBroadcastUtilsImpl}});
});

}  // namespace
