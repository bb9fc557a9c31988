// One run of one script: an engine heap of its own, held to the run's budget; the host's
// scripting objects bound into it; the script's changes gathered into one command sequence, which
// is kept when the script completes and rolled back when it stops with an error.
#pragma once

#include <functional>
#include <string>

#include "ScriptBudget.h"
#include "ScriptManager.h"

class ScriptRun {
 public:
  ScriptRun(ScriptManager& manager, const ScriptLimits& limits,
            std::function<void(const std::string&)> print);
  ScriptRun(const ScriptRun&) = delete;
  ScriptRun& operator=(const ScriptRun&) = delete;

  // Compiles and runs the UTF-8 source; name names it in messages, and its last path component
  // names the undo step.
  ScriptOutcome Execute(const std::string& name, const std::string& source);

 private:
  ScriptManager& fManager;
  ScriptBudget fBudget;
  std::function<void(const std::string&)> fPrint;
};
