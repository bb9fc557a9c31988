// The commands that insert text into a story and delete text from it, and their arguments.
#include "CPMUnknown.h"
#include "Command.h"
#include "ErrorUtils.h"
#include "ITextEditCmdData.h"
#include "ITextModel.h"
#include "InterfacePtr.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"
#include "textoptions/TypographicQuotes.h"

namespace {

class TextEditCmdData : public CPMUnknown<ITextEditCmdData> {
 public:
  explicit TextEditCmdData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Set(int32 position, int32 length, const boost::shared_ptr<WideString>& text) override {
    fPosition = position;
    fLength = length;
    fText = text;
  }
  int32 GetPosition() const override { return fPosition; }
  int32 GetLength() const override { return fLength; }
  const boost::shared_ptr<WideString>& GetText() const override { return fText; }

 private:
  int32 fPosition = 0;
  int32 fLength = 0;
  boost::shared_ptr<WideString> fText;
};

// The story and the command's arguments, or nulls when the command was not set up.
class TextEditCmd : public Command {
 public:
  using Command::Command;

 protected:
  InterfacePtr<ITextModel> Story() const {
    const UIDList* items = GetItemList();
    if (!items || items->Length() != 1) return InterfacePtr<ITextModel>();
    return InterfacePtr<ITextModel>(items->GetRef(0), IID_ITEXTMODEL);
  }
  InterfacePtr<ITextEditCmdData> Data() const {
    return InterfacePtr<ITextEditCmdData>(this, IID_ITEXTEDITCMDDATA);
  }
  static void Fail() { ErrorUtils::PMSetGlobalErrorCode(kFailure); }
};

class InsertTextCmd : public TextEditCmd {
 public:
  using TextEditCmd::TextEditCmd;

  // The story may have changed since the command was made: its position is checked again.
  void Do() override {
    InterfacePtr<ITextModel> story = Story();
    InterfacePtr<ITextEditCmdData> data = Data();
    if (!story || !data || !data->GetText() || data->GetPosition() < 0 ||
        data->GetPosition() >= story->TotalLength()) {
      return Fail();
    }
    story->Insert(data->GetPosition(),
                  TypographicQuotes::AsInserted(*story, data->GetPosition(), *data->GetText()));
  }
  PMString* CreateName() override { return new PMString("Insert Text"); }
};

class DeleteTextCmd : public TextEditCmd {
 public:
  using TextEditCmd::TextEditCmd;

  void Do() override {
    InterfacePtr<ITextModel> story = Story();
    InterfacePtr<ITextEditCmdData> data = Data();
    if (!story || !data || data->GetPosition() < 0 || data->GetLength() < 0 ||
        data->GetLength() > story->TotalLength() - 1 - data->GetPosition()) {
      return Fail();
    }
    story->Delete(data->GetPosition(), data->GetLength());
  }
  PMString* CreateName() override { return new PMString("Delete Text"); }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<TextEditCmdData>(kTextEditCmdDataImpl));
  model.RegisterImplementation(MakeHostFactory<InsertTextCmd>(kInsertTextCmdImpl));
  model.RegisterImplementation(MakeHostFactory<DeleteTextCmd>(kDeleteTextCmdImpl));
});

}  // namespace
