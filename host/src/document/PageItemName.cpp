// The name of a page item.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IPMStream.h"
#include "IPageItemName.h"
#include "PersistentHostFactory.h"
#include "StreamFields.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class PageItemName : public CPMUnknown<IPageItemName> {
 public:
  explicit PageItemName(IPMUnknown* boss) : CPMUnknown(boss) { fName.SetTranslatable(kFalse); }

  PMString GetName() const override { return fName; }
  void SetName(const PMString& name) override {
    PreDirty();
    fName = PMString(name.GetUTF16());
    fName.SetTranslatable(kFalse);
  }

  void ReadWrite(IPMStream* stream, ImplementationID) {
    StreamFields::XferUnits(stream, fName.GetUTF16Mutable());
  }

 private:
  PMString fName;  // a user's name, never translated
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<PageItemName>(kPageItemNameImpl));
});

}  // namespace
