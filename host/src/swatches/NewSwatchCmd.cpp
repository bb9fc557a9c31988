// The command that makes a process swatch and adds it to the document's swatch list. Its item
// list is the new swatch afterwards.
#include "CPMUnknown.h"
#include "Command.h"
#include "DocumentSwatches.h"
#include "ErrorUtils.h"
#include "IDataBase.h"
#include "NewSwatchCmdData.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class NewSwatchCmdData : public CPMUnknown<INewSwatchCmdData> {
 public:
  explicit NewSwatchCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Set(const UIDRef& workspace, const PMString& name, const ProcessColor& color) override {
    fWorkspace = workspace;
    fName = name;
    fColor = color;
  }
  const UIDRef& GetWorkspace() const override { return fWorkspace; }
  const PMString& GetName() const override { return fName; }
  const ProcessColor& GetColor() const override { return fColor; }

 private:
  UIDRef fWorkspace;
  PMString fName;
  ProcessColor fColor;
};

class NewSwatchCmd : public Command {
 public:
  using Command::Command;

  // The arguments are checked here, where the change happens: a name must be new and not empty.
  void Do() override {
    InterfacePtr<INewSwatchCmdData> data(this, IID_INEWSWATCHCMDDATA);
    IDataBase* db = data ? data->GetWorkspace().GetDataBase() : nullptr;
    InterfacePtr<ISwatchList> list = DocumentSwatches::QuerySwatchList(db);
    if (!list || ::GetUIDRef(list.get()) != data->GetWorkspace() || data->GetName().IsEmpty() ||
        !DocumentSwatches::IsValidProcessColor(data->GetColor()) ||
        DocumentSwatches::Find(db, data->GetName()) != kInvalidUID) {
      return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    const UID uid = db->NewUID(kSwatchBoss);
    InterfacePtr<ISwatch> swatch(db, uid, IID_ISWATCH);
    if (!swatch) return ErrorUtils::PMSetGlobalErrorCode(kFailure);
    swatch->Set(data->GetName(), kTrue, data->GetColor());
    list->AddSwatch(uid);
    SetItemList(UIDList(UIDRef(db, uid)));
  }

  PMString* CreateName() override { return new PMString("New Swatch"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<NewSwatchCmdData>(kNewSwatchCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<NewSwatchCmd>(kNewSwatchCmdImpl));
});

}  // namespace
