// A host command: a unit of change to documents that the host runs, names and undoes.
#pragma once

#include "IPMUnknown.h"
#include "PMString.h"
#include "UIDList.h"

class ICommand : public IPMUnknown {
 public:
  enum { kDefaultIID = 4097 };
  enum Undoability { kRegularUndo = 0, kAutoUndo = 1 };

  virtual void SetItemList(const UIDList& items) = 0;
  virtual const UIDList* GetItemList() const = 0;
  virtual void SetUndoability(Undoability undoability) = 0;
  virtual Undoability GetUndoability() const = 0;
  virtual void SetTarget(IDataBase* target) = 0;

  // What the host calls while processing.
  virtual void Do() = 0;
  virtual void DoNotify() = 0;
  // A new string owned by the caller (a string key, translated when shown), or null.
  virtual PMString* CreateName() = 0;
  virtual bool16 LowMemIsOK() const = 0;
};
