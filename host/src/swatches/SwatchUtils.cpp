// The swatch utility: finds a document's swatches by name and makes process swatches through the
// undoable new-swatch command.
#include "CPMUnknown.h"
#include "CmdUtils.h"
#include "DocumentSwatches.h"
#include "IDataBase.h"
#include "ISwatchUtils.h"
#include "NewSwatchCmdData.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class SwatchUtils : public CPMUnknown<ISwatchUtils> {
 public:
  explicit SwatchUtils(IPMUnknown* boss) : CPMUnknown(boss) {}

  UID FindSwatch(const PMString& name, IDataBase* db) const override {
    return DocumentSwatches::Find(db, name);
  }

  UID CreateProcessCMYKSwatch(const IPMUnknown* workspace, const PMString& name, PMReal cyan,
                              PMReal magenta, PMReal yellow, PMReal black, int32) const override {
    if (!workspace) return kInvalidUID;
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kNewSwatchCmdBoss));
    InterfacePtr<INewSwatchCmdData> data(command.get(), IID_INEWSWATCHCMDDATA);
    if (!data) return kInvalidUID;
    data->Set(::GetUIDRef(workspace), name, ProcessColor{cyan, magenta, yellow, black});
    if (CmdUtils::ProcessCommand(command) != kSuccess) return kInvalidUID;
    const UIDList* made = command->GetItemList();
    return made && made->Length() == 1 ? made->At(0) : kInvalidUID;
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<SwatchUtils>(kSwatchUtilsImpl));
});

}  // namespace
