#include "ScriptBudget.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Each block is preceded by its size, so that the heap's bytes can be counted exactly.
struct BlockHeader {
  size_t size;
  size_t reserved;  // keeps blocks 16-byte aligned
};

ScriptBudget* BudgetOf(void* udata) {
  return static_cast<ScriptBudget*>(udata);
}

}  // namespace

bool ScriptBudget::Admits(size_t more) {
  if (fMemoryLifted || more <= fLimits.memoryBytes - std::min(fLiveBytes, fLimits.memoryBytes)) {
    return true;
  }
  fMemoryRefused = true;
  return false;
}

void* ScriptBudget::Allocate(void* udata, size_t size) {
  ScriptBudget* budget = BudgetOf(udata);
  if (!budget->Admits(size)) return nullptr;
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
  if (!header) return nullptr;
  header->size = size;
  budget->fLiveBytes += size;
  return header + 1;
}

void* ScriptBudget::Reallocate(void* udata, void* block, size_t size) {
  if (!block) return Allocate(udata, size);
  ScriptBudget* budget = BudgetOf(udata);
  BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
  const size_t old = header->size;
  if (size > old && !budget->Admits(size - old)) return nullptr;
  auto* moved = static_cast<BlockHeader*>(std::realloc(header, sizeof(BlockHeader) + size));
  if (!moved) return nullptr;
  moved->size = size;
  budget->fLiveBytes = budget->fLiveBytes - old + size;
  return moved + 1;
}

void ScriptBudget::Free(void* udata, void* block) {
  if (!block) return;
  BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
  BudgetOf(udata)->fLiveBytes -= header->size;
  std::free(header);
}

bool ScriptBudget::CheckInstructions() {
  if (!fInstructionsUsedUp && ++fChecks * kInstructionsPerCheck > fLimits.instructions) {
    fInstructionsUsedUp = true;
  }
  return fInstructionsUsedUp;
}

bool ScriptBudgetExhausted(void* udata) {
  return BudgetOf(udata)->CheckInstructions();
}
