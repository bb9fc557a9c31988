// Makes a story's edit commands, refusing ranges that would reach past its final character.
#include "CPMUnknown.h"
#include "CmdUtils.h"
#include "IDataBase.h"
#include "ITextEditCmdData.h"
#include "ITextModel.h"
#include "ITextModelCmds.h"
#include "InterfacePtr.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

class TextModelCmds : public CPMUnknown<ITextModelCmds> {
 public:
  explicit TextModelCmds(IPMUnknown* boss) : CPMUnknown(boss) {}

  ICommand* DeleteCmd(int32 start, int32 length, const void*) override {
    const int32 last = LastPosition();
    if (start < 0 || length < 0 || start > last || length > last - start) return nullptr;
    return MakeCommand(kDeleteTextCmdBoss, start, length, boost::shared_ptr<WideString>());
  }

  ICommand* InsertCmd(int32 position, const boost::shared_ptr<WideString>& text,
                      const void*) override {
    if (!text || position < 0 || position > LastPosition()) return nullptr;
    return MakeCommand(kInsertTextCmdBoss, position, text->CharCount(), text);
  }

 private:
  // The final character's position; -1 when the story cannot be read.
  int32 LastPosition() const {
    InterfacePtr<ITextModel> model(this, IID_ITEXTMODEL);
    return model ? model->TotalLength() - 1 : -1;
  }

  ICommand* MakeCommand(ClassID commandClass, int32 position, int32 length,
                        const boost::shared_ptr<WideString>& text) const {
    InterfacePtr<ICommand> command(CmdUtils::CreateCommand(commandClass));
    InterfacePtr<ITextEditCmdData> data(command.get(), IID_ITEXTEDITCMDDATA);
    if (!data) return nullptr;
    data->Set(position, length, text);
    command->SetItemList(UIDList(::GetUIDRef(this)));
    return command.forget();
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<TextModelCmds>(kTextModelCmdsImpl));
});

}  // namespace
