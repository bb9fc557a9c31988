// The command that renames the page item of its item list.
#include "CPMUnknown.h"
#include "CmdUtils.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "IPageItemName.h"
#include "InterfacePtr.h"
#include "LayoutCmdData.h"
#include "LayoutCommands.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class SetItemNameCmdData : public CPMUnknown<ISetItemNameCmdData> {
 public:
  explicit SetItemNameCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void SetName(const PMString& name) override { fName = name; }
  const PMString& GetName() const override { return fName; }

 private:
  PMString fName;
};

class SetItemNameCmd : public Command {
 public:
  using Command::Command;

  void Do() override {
    const UIDList* items = GetItemList();
    InterfacePtr<ISetItemNameCmdData> data(this, IID_ISETITEMNAMECMDDATA);
    InterfacePtr<IPageItemName> name(items && items->Length() == 1 ? items->GetRef(0) : UIDRef(),
                                     IID_IPAGEITEMNAME);
    if (!data || !name) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    name->SetName(data->GetName());
  }
  PMString* CreateName() override { return new PMString("Rename"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<SetItemNameCmdData>(kSetItemNameCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<SetItemNameCmd>(kSetItemNameCmdImpl));
  model.DefineClass(kSetItemNameCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kSetItemNameCmdImpl},
                     {IID_ISETITEMNAMECMDDATA, kSetItemNameCmdDataImpl}});
});

}  // namespace

namespace LayoutCommands {

ErrorCode SetItemName(const UIDRef& item, const PMString& name) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kSetItemNameCmdBoss));
  InterfacePtr<ISetItemNameCmdData> data(command.get(), IID_ISETITEMNAMECMDDATA);
  if (!data) return kFailure;
  data->SetName(name);
  command->SetItemList(UIDList(item));
  return CmdUtils::ProcessCommand(command);
}

}  // namespace LayoutCommands
