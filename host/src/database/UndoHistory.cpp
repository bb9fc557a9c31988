#include "UndoHistory.h"

#include <iterator>

void UndoHistory::Add(UndoStep step, bool fold) {
  if (fold && !fUndo.empty()) {
    UndoStep& last = fUndo.back();
    last.records.insert(last.records.end(), std::make_move_iterator(step.records.begin()),
                        std::make_move_iterator(step.records.end()));
    last.id = fNextId++;
    return;
  }
  step.id = fNextId++;
  fUndo.push_back(std::move(step));
}

UndoStep UndoHistory::TakeUndo() {
  UndoStep step = std::move(fUndo.back());
  fUndo.pop_back();
  return step;
}

UndoStep UndoHistory::TakeRedo() {
  UndoStep step = std::move(fRedo.back());
  fRedo.pop_back();
  return step;
}

void UndoHistory::Clear() {
  fUndo.clear();
  fRedo.clear();
  fSavedId = 0;
}
