// One undo step: the records of what changed in a database, in the order it happened. Each record
// is its own inverse: applying it swaps the database's state with the state the record holds, so
// undo applies a step's records backwards and redo applies them forwards.
#pragma once

#include <set>
#include <utility>
#include <vector>

#include "PMString.h"
#include "StoredObject.h"

struct UndoRecord {
  enum Kind { kChanged, kCreated, kDeleted };
  UndoRecord(Kind k, UID id) : kind(k), uid(id) {}

  Kind kind;
  UID uid;
  // kChanged: the part of the object's boss and the bytes its ReadWrite puts back next.
  size_t part = 0;
  std::vector<uint8> bytes;
  // kCreated and kDeleted: whether the object is out of the database, held here.
  bool holdsObject = false;
  StoredObject object;
};

struct UndoStep {
  uint64 id = 0;
  PMString name;
  std::vector<UndoRecord> records;
  // Parts whose state before the step is recorded already, and objects the step created: neither
  // needs a further snapshot in this step.
  std::set<std::pair<UID, size_t>> changedParts;
  std::set<UID> created;
};
