// The adornment classes of a page item, stored with the document.
#include <algorithm>
#include <vector>

#include "CPMUnknown.h"
#include "IPMStream.h"
#include "IPageItemAdornmentList.h"
#include "document/PersistentHostFactory.h"
#include "document/StreamFields.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class PageItemAdornmentList : public CPMUnknown<IPageItemAdornmentList> {
 public:
  explicit PageItemAdornmentList(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 GetAdornmentCount() const override { return static_cast<int32>(fClasses.size()); }
  ClassID GetNthAdornment(int32 index) const override {
    return index >= 0 && index < GetAdornmentCount() ? fClasses[static_cast<size_t>(index)]
                                                     : kInvalidClass;
  }
  bool16 HasAdornment(ClassID adornment) const override {
    return std::find(fClasses.begin(), fClasses.end(), adornment) != fClasses.end() ? kTrue
                                                                                    : kFalse;
  }

  void AddAdornment(ClassID adornment) override {
    if (adornment == kInvalidClass || HasAdornment(adornment)) return;
    PreDirty();
    fClasses.push_back(adornment);
  }
  void RemoveAdornment(ClassID adornment) override {
    auto it = std::find(fClasses.begin(), fClasses.end(), adornment);
    if (it == fClasses.end()) return;
    PreDirty();
    fClasses.erase(it);
  }

  // Class IDs are 32-bit numbers like UIDs and are stored the same way.
  void ReadWrite(IPMStream* stream, ImplementationID) { StreamFields::XferUIDs(stream, fClasses); }

 private:
  std::vector<ClassID> fClasses;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakePersistentHostFactory<PageItemAdornmentList>(kPageItemAdornmentListImpl));
});

}  // namespace
