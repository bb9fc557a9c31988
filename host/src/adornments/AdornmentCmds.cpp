// The commands that attach an adornment class to the items of their item list and detach it.
// Attaching needs a class the host knows (a plug-in's adornment class is defined when the
// plug-in is loaded); detaching takes any class away. Nothing changes unless every item keeps an
// adornment list.
#include <vector>

#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "IClassIDData.h"
#include "IPageItemAdornmentList.h"
#include "InterfacePtr.h"
#include "app/Host.h"
#include "graphics/GraphicsImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class AdornmentCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    InterfacePtr<IClassIDData> adornment(this, IClassIDData::kDefaultIID);
    if (!adornment || adornment->Get() == kInvalidClass || !Accepts(adornment->Get())) {
      return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    std::vector<InterfacePtr<IPageItemAdornmentList>> lists;
    const UIDList& items = *GetItemList();
    for (int32 i = 0; i < items.Length(); ++i) {
      lists.emplace_back(items.GetRef(i), IID_IPAGEITEMADORNMENTLIST);
      if (!lists.back()) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    if (lists.empty()) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    for (const auto& list : lists) Change(list.get(), adornment->Get());
  }

 protected:
  virtual bool Accepts(ClassID adornment) const = 0;
  virtual void Change(IPageItemAdornmentList* list, ClassID adornment) const = 0;
};

class AddPageItemAdornmentCmd : public AdornmentCmd {
 public:
  using AdornmentCmd::AdornmentCmd;
  PMString* CreateName() override { return new PMString("Add Adornment"); }

 protected:
  bool Accepts(ClassID adornment) const override {
    return Host::Get().Model().IsClassDefined(adornment);
  }
  void Change(IPageItemAdornmentList* list, ClassID adornment) const override {
    list->AddAdornment(adornment);
  }
};

class RemovePageItemAdornmentCmd : public AdornmentCmd {
 public:
  using AdornmentCmd::AdornmentCmd;
  PMString* CreateName() override { return new PMString("Remove Adornment"); }

 protected:
  bool Accepts(ClassID) const override { return true; }
  void Change(IPageItemAdornmentList* list, ClassID adornment) const override {
    list->RemoveAdornment(adornment);
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakeHostFactory<AddPageItemAdornmentCmd>(kAddPageItemAdornmentCmdImpl));
  model.RegisterImplementation(
      MakeHostFactory<RemovePageItemAdornmentCmd>(kRemovePageItemAdornmentCmdImpl));
});

}  // namespace
