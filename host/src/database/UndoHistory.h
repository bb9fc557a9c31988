// The undo and redo stacks of one database, and which state was last saved. Every step gets an
// identity that no other step shares, so "modified" is whether the step on top of the undo stack
// is the one that was on top when the database was saved.
#pragma once

#include <vector>

#include "UndoStep.h"

class UndoHistory {
 public:
  bool CanUndo() const { return !fUndo.empty(); }
  size_t UndoCount() const { return fUndo.size(); }
  bool CanRedo() const { return !fRedo.empty(); }
  // Empty when there is no such step.
  PMString UndoName() const { return fUndo.empty() ? PMString() : fUndo.back().name; }
  PMString RedoName() const { return fRedo.empty() ? PMString() : fRedo.back().name; }

  // Room for the step that is opening, so that Add cannot fail. Throws when memory runs out.
  void ReserveStep() { ReserveOneMore(fUndo); }
  // Records a finished step; never throws after ReserveStep. With fold, its records join the
  // step on top instead (when there is one, and memory allows), which then counts as a new state.
  void Add(UndoStep step, bool fold);

  // The steps undo and redo would take, or null.
  UndoStep* TopUndo() { return fUndo.empty() ? nullptr : &fUndo.back(); }
  UndoStep* TopRedo() { return fRedo.empty() ? nullptr : &fRedo.back(); }
  // Room to move a step across, so that the moves cannot fail. Throw when memory runs out.
  void ReserveUndone() { ReserveOneMore(fRedo); }
  void ReserveRedone() { ReserveOneMore(fUndo); }
  // Moves the top step to the other stack once it has been undone or redone.
  void MoveUndone();
  void MoveRedone();
  void ClearRedo() { fRedo.clear(); }
  void DropRedo() { fRedo.pop_back(); }
  // Forgets every step; the current state becomes the saved one.
  void Clear();

  void MarkSaved() { fSavedId = CurrentId(); }
  bool AtSavedState() const { return CurrentId() == fSavedId; }

 private:
  uint64 CurrentId() const { return fUndo.empty() ? 0 : fUndo.back().id; }

  std::vector<UndoStep> fUndo;
  std::vector<UndoStep> fRedo;
  uint64 fNextId = 1;
  uint64 fSavedId = 0;
};
