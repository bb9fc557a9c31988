#include "TestObjects.h"

#include "CmdUtils.h"
#include "HostIDs.h"
#include "app/Host.h"
#include "objectmodel/HostFactory.h"

namespace {

constexpr ImplementationID kTestValueImpl = 0x7E0001;
constexpr ImplementationID kTestVolatileValueImpl = 0x7E0002;
constexpr ImplementationID kTestSetValueCmdImpl = 0x7E0003;

class TestValue : public CPMUnknown<ITestValue> {
 public:
  explicit TestValue(IPMUnknown* boss) : CPMUnknown(boss) {}
  int32 GetNumber() const override { return fNumber; }
  const PMString& GetText() const override { return fText; }
  void SetNumber(int32 number) override {
    PreDirty();
    fNumber = number;
  }
  void SetText(const PMString& text) override {
    PreDirty();
    fText = text;
  }
  void ReadWrite(IPMStream* stream) {
    stream->XferInt32(fNumber);
    fText.ReadWrite(stream);
  }

 private:
  int32 fNumber = 0;
  PMString fText;
};

ImplementationFactory ValueFactory(ImplementationID id, bool persistent) {
  ImplementationFactory f = MakeHostFactory<TestValue>(id);
  if (persistent) {
    f.readWrite = [](IPMUnknown* impl, IPMStream* stream, ImplementationID) {
      static_cast<TestValue*>(impl)->ReadWrite(stream);
    };
  }
  return f;
}

}  // namespace

void RegisterTestClasses() {
  ObjectModel& model = Host::Get().Model();
  if (model.IsClassDefined(kTestItemClass)) return;
  model.RegisterImplementation(ValueFactory(kTestValueImpl, true));
  model.RegisterImplementation(ValueFactory(kTestVolatileValueImpl, false));
  model.RegisterImplementation(MakeHostFactory<TestSetValueCmd>(kTestSetValueCmdImpl));
  model.DefineClass(
      kTestItemClass, kInvalidClass,
      {{ITestValue::kDefaultIID, kTestValueImpl}, {ISubject::kDefaultIID, kSubjectImpl}});
  model.DefineClass(kTestVolatileClass, kInvalidClass,
                    {{ITestValue::kDefaultIID, kTestVolatileValueImpl}});
  model.DefineClass(kTestSetValueCmdClass, kInvalidClass,
                    {{ICommand::kDefaultIID, kTestSetValueCmdImpl}});
}

InterfacePtr<ICommand> MakeSetValueCmd(const UIDList& items, int32 number, const PMString& text) {
  InterfacePtr<ICommand> command(CmdUtils::CreateCommand(kTestSetValueCmdClass));
  command->SetItemList(items);
  SetValueCmdOf(command)->number = number;
  SetValueCmdOf(command)->text = text;
  return command;
}

TestSetValueCmd* SetValueCmdOf(ICommand* command) {
  return static_cast<TestSetValueCmd*>(command);
}

int32 NumberOf(IDataBase* db, UID uid) {
  InterfacePtr<ITestValue> value(db, uid);
  return value ? value->GetNumber() : -1;
}
