#include "UndoHistory.h"

#include <iterator>
#include <new>

void UndoHistory::Add(UndoStep step, bool fold) {
  if (fold && !fUndo.empty()) {
    UndoStep& last = fUndo.back();
    try {
      last.records.reserve(last.records.size() + step.records.size());
      last.records.insert(last.records.end(), std::make_move_iterator(step.records.begin()),
                          std::make_move_iterator(step.records.end()));
      last.id = fNextId++;
      return;
    } catch (const std::bad_alloc&) {
      // Without room to join them, the step stays one of its own.
    }
  }
  step.id = fNextId++;
  fUndo.push_back(std::move(step));
}

void UndoHistory::MoveUndone() {
  fRedo.push_back(std::move(fUndo.back()));
  fUndo.pop_back();
}

void UndoHistory::MoveRedone() {
  fUndo.push_back(std::move(fRedo.back()));
  fRedo.pop_back();
}

void UndoHistory::Clear() {
  fUndo.clear();
  fRedo.clear();
  fSavedId = 0;
}
