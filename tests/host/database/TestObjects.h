// Small persistent classes for the database, command and document file tests: an item with a
// number and a text (stored through its ReadWrite) and a subject, and a command that sets them.
#pragma once

#include "Command.h"
#include "ErrorUtils.h"
#include "IPMStream.h"
#include "ISubject.h"
#include "InterfacePtr.h"

class ITestValue : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x7E0001 };
  virtual int32 GetNumber() const = 0;
  virtual const PMString& GetText() const = 0;
  // Both PreDirty before they change anything, as every persistent setter must.
  virtual void SetNumber(int32 number) = 0;
  virtual void SetText(const PMString& text) = 0;
};

// Items of this class carry ITestValue and a subject.
constexpr ClassID kTestItemClass = 0x7E0001;
// A class whose value has no read/write function: changes to it are not stored or undone.
constexpr ClassID kTestVolatileClass = 0x7E0002;
// The command that sets the value of its items.
constexpr ClassID kTestSetValueCmdClass = 0x7E0003;

class TestSetValueCmd : public Command {
 public:
  explicit TestSetValueCmd(IPMUnknown* boss) : Command(boss) {}

  // What Do sets on every item; a failing command sets the error after changing the items.
  int32 number = 0;
  PMString text;
  PMString name = "TestSetValueKey";
  bool fail = false;
  int32 notified = 0;

  void Do() override {
    const UIDList* items = GetItemList();
    for (int32 i = 0; i < items->Length(); ++i) {
      InterfacePtr<ITestValue> value(items->GetRef(i));
      if (!value) continue;
      value->SetNumber(number);
      value->SetText(text);
    }
    if (fail) ErrorUtils::PMSetGlobalErrorCode(kFailure);
  }
  void DoNotify() override { ++notified; }
  PMString* CreateName() override { return new PMString(name); }
};

// Defines the classes above (once per process).
void RegisterTestClasses();
// A new set-value command for the items, with its fields set.
InterfacePtr<ICommand> MakeSetValueCmd(const UIDList& items, int32 number,
                                       const PMString& text = PMString());
TestSetValueCmd* SetValueCmdOf(ICommand* command);
// The number of an item, -1 when it has none.
int32 NumberOf(IDataBase* db, UID uid);
