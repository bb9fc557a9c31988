// One undo step: the records of what changed in a database, in the order it happened. Each record
// is its own inverse: applying it swaps the database's state with the state the record holds, so
// undo applies a step's records backwards and redo applies them forwards.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "PMString.h"
#include "PartEdit.h"
#include "StoredObject.h"

struct UndoRecord {
  enum Kind { kChanged, kEdited, kCreated, kDeleted };
  UndoRecord(Kind k, UID id) : kind(k), uid(id) {}

  Kind kind;
  UID uid;
  // kChanged and kEdited: the part of the object's boss.
  size_t part = 0;
  // kChanged: the bytes its ReadWrite puts back next.
  std::vector<uint8> bytes;
  // kEdited: the change that takes the part's last change back.
  std::unique_ptr<PartEdit> edit;
  // kCreated and kDeleted: whether the object is out of the database, held here.
  bool holdsObject = false;
  StoredObject object;
};

struct UndoStep {
  uint64 id = 0;
  PMString name;
  std::vector<UndoRecord> records;
};

// Makes room for one more element, growing geometrically, so that the push_back that follows
// cannot fail: undo bookkeeping reserves before it changes anything.
template <class Vector>
void ReserveOneMore(Vector& v) {
  if (v.size() == v.capacity()) v.reserve(std::max<size_t>(1, 2 * v.capacity()));
}
