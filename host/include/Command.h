// The base of every command implementation: keeps the item list, the undoability and the target,
// and leaves Do (and, where needed, DoNotify, CreateName, LowMemIsOK) to the subclass.
#pragma once

#include "CPMUnknown.h"
#include "ICommand.h"

class HOST_API Command : public CPMUnknown<ICommand> {
 public:
  explicit Command(IPMUnknown* boss) : CPMUnknown(boss) {}
  ~Command() override = default;

  void SetItemList(const UIDList& items) override { fItems = items; }
  const UIDList* GetItemList() const override { return &fItems; }
  void SetUndoability(Undoability undoability) override { fUndoability = undoability; }
  Undoability GetUndoability() const override { return fUndoability; }
  void SetTarget(IDataBase* target) override { fTarget = target; }
  // The target that was set, else the database of the item list.
  IDataBase* GetTarget() const { return fTarget ? fTarget : fItems.GetDataBase(); }

  void DoNotify() override {}
  PMString* CreateName() override { return nullptr; }
  bool16 LowMemIsOK() const override { return kTrue; }

 private:
  UIDList fItems;
  Undoability fUndoability = kRegularUndo;
  IDataBase* fTarget = nullptr;
};
