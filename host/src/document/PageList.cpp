// Every page of the document, read from its spreads.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IDataBase.h"
#include "IPageList.h"
#include "ISpread.h"
#include "ISpreadList.h"
#include "InterfacePtr.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class PageList : public CPMUnknown<IPageList> {
 public:
  explicit PageList(IPMUnknown* boss) : CPMUnknown(boss) {}

  int32 GetPageCount() const override {
    int32 count = 0;
    ForEachPage([&count](UID) {
      ++count;
      return true;
    });
    return count;
  }

  UID GetNthPageUID(int32 index) const override {
    UID found = kInvalidUID;
    int32 i = 0;
    ForEachPage([&](UID page) {
      if (i++ != index) return true;
      found = page;
      return false;
    });
    return found;
  }

  int32 GetPageIndex(UID page) const override {
    int32 found = -1;
    int32 i = 0;
    ForEachPage([&](UID candidate) {
      if (candidate == page) found = i;
      ++i;
      return found < 0;
    });
    return found;
  }

 private:
  // Calls visit with each page in document order until it answers false.
  template <class Visit>
  void ForEachPage(Visit visit) const {
    InterfacePtr<ISpreadList> spreads(this, IID_ISPREADLIST);
    IDataBase* db = GetDataBase();
    if (!spreads || !db) return;
    for (int32 s = 0; s < spreads->GetSpreadCount(); ++s) {
      InterfacePtr<ISpread> spread(db, spreads->GetNthSpreadUID(s), IID_ISPREAD);
      if (!spread) continue;
      for (int32 p = 0; p < spread->GetNumPages(); ++p) {
        if (!visit(spread->GetNthPageUID(p))) return;
      }
    }
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<PageList>(kPageListImpl));
});

}  // namespace
