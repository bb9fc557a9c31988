// What one run of a script may use: a number of bytecode instructions and a number of bytes of
// the engine's heap. The engine allocates through the budget and asks it, every
// kInstructionsPerCheck instructions, whether the script may go on.
#pragma once

#include <cstddef>

#include "BaseType.h"

struct ScriptLimits {
  uint64 instructions = 250000000;
  uint64 memoryBytes = 256u << 20;
};

class ScriptBudget {
 public:
  // How often the engine checks the instruction count (its interrupt interval).
  static constexpr uint64 kInstructionsPerCheck = 262144;

  explicit ScriptBudget(const ScriptLimits& limits) : fLimits(limits) {}
  ScriptBudget(const ScriptBudget&) = delete;
  ScriptBudget& operator=(const ScriptBudget&) = delete;

  // The engine's memory functions; udata is the budget. An allocation that would take the heap
  // beyond its budget fails, as does one the system refuses.
  static void* Allocate(void* udata, size_t size);
  static void* Reallocate(void* udata, void* block, size_t size);
  static void Free(void* udata, void* block);

  // Called by the engine at each check: whether the script has used up its instructions. Once
  // it has, the answer stays yes, so that the script cannot catch its way out.
  bool CheckInstructions();

  bool InstructionsUsedUp() const { return fInstructionsUsedUp; }
  bool MemoryRefused() const { return fMemoryRefused; }
  // Lets the heap grow beyond the budget: the host reads a failed script's error with it.
  void LiftMemoryLimit() { fMemoryLifted = true; }
  const ScriptLimits& Limits() const { return fLimits; }

 private:
  bool Admits(size_t more);

  ScriptLimits fLimits;
  uint64 fChecks = 0;
  bool fInstructionsUsedUp = false;
  uint64 fLiveBytes = 0;
  bool fMemoryRefused = false;
  bool fMemoryLifted = false;
};

// The engine's instruction check, named by its configuration (host/duktape/EngineSettings.h):
// the budget's CheckInstructions.
bool ScriptBudgetExhausted(void* udata);
