// The undo and redo stacks of one database, and which state was last saved. Every step gets an
// identity that no other step shares, so "modified" is whether the step on top of the undo stack
// is the one that was on top when the database was saved.
#pragma once

#include <vector>

#include "UndoStep.h"

class UndoHistory {
 public:
  bool CanUndo() const { return !fUndo.empty(); }
  bool CanRedo() const { return !fRedo.empty(); }
  // Empty when there is no such step.
  PMString UndoName() const { return fUndo.empty() ? PMString() : fUndo.back().name; }
  PMString RedoName() const { return fRedo.empty() ? PMString() : fRedo.back().name; }

  // Records a finished step. With fold, its records join the step on top instead (when there is
  // one), which then counts as a new state.
  void Add(UndoStep step, bool fold);
  UndoStep TakeUndo();
  UndoStep TakeRedo();
  void PushUndo(UndoStep step) { fUndo.push_back(std::move(step)); }
  void PushRedo(UndoStep step) { fRedo.push_back(std::move(step)); }
  void ClearRedo() { fRedo.clear(); }
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
