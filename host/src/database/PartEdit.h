// Undo for parts that grow with the document (a story's text, a parent's list of children): each
// change records what changed instead of a copy of the whole part, so that undo memory grows
// with the size of the changes.
#pragma once

#include <memory>

#include "IPMUnknown.h"

// One change of a part.
class PartEdit {
 public:
  virtual ~PartEdit() = default;
  // Makes the change on the part's implementation and becomes the change that takes it back, so
  // that a recorded edit undoes, then redoes. Throws when memory runs out, having changed nothing.
  virtual void Apply(IPMUnknown* implementation) = 0;
};

// Makes the edit's change on the implementation of a boss and records it for undo, as PreDirty
// does for parts recorded whole: outside any scope it is a step of its own, and an object made in
// the open step needs no record. Throws when memory runs out, having changed nothing.
void ApplyEdit(const IPMUnknown* boss, IPMUnknown* implementation, std::unique_ptr<PartEdit> edit);
