#include "ScriptRun.h"

#include <memory>
#include <optional>

#include "ChangeSequence.h"
#include "ScriptBindings.h"
#include "ScriptText.h"
#include "UnicodeSavvyString.h"

namespace {

// The heap and the bindings into it. The heap goes first: whatever the script left to run as it
// goes (a finalizer) meets closed bindings.
struct Engine {
  struct HeapDeleter {
    void operator()(duk_context* ctx) const { duk_destroy_heap(ctx); }
  };
  std::unique_ptr<duk_context, HeapDeleter> heap;
  std::optional<ScriptBindings> bindings;

  ~Engine() {
    if (bindings) bindings->Close();
    heap.reset();
  }
};

// What the protected call needs to bind the objects and run the script.
struct Job {
  ScriptBindings* bindings;
  const std::string* name;
  const std::string* source;
};

duk_ret_t RunJob(duk_context* ctx, void* udata) {
  const Job& job = *static_cast<Job*>(udata);
  job.bindings->Install();
  duk_push_lstring(ctx, job.source->data(), job.source->size());
  duk_push_string(ctx, job.name->c_str());
  duk_compile(ctx, 0);
  duk_call(ctx, 0);
  return 0;
}

// Reads the line and message of the error on top of the stack into the outcome. An Error tells
// the line it was made on; for any other thrown value the line of the last throw stands.
duk_ret_t DescribeError(duk_context* ctx, void* udata) {
  ScriptOutcome& outcome = *static_cast<ScriptOutcome*>(udata);
  if (duk_is_error(ctx, -1)) {
    duk_get_prop_string(ctx, -1, "lineNumber");
    if (duk_is_number(ctx, -1)) outcome.line = duk_get_int(ctx, -1);
    duk_pop(ctx);
  }
  duk_dup(ctx, -1);
  duk_to_string(ctx, -1);
  outcome.message = UnicodeSavvyString(GetText(ctx, -1)).GetUTF8String();
  return 0;
}

std::string StepName(const std::string& name) {
  const size_t slash = name.find_last_of('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

ScriptRun::ScriptRun(ScriptManager& manager, const ScriptLimits& limits,
                     std::function<void(const std::string&)> print)
    : fManager(manager), fBudget(limits), fPrint(std::move(print)) {}

ScriptOutcome ScriptRun::Execute(const std::string& name, const std::string& source) {
  ScriptOutcome outcome;
  outcome.completed = false;
  std::string engineSource;
  if (!ToEngineSource(source, &engineSource)) {
    outcome.message = "the script is not UTF-8 text";
    return outcome;
  }
  Engine engine;
  engine.heap.reset(duk_create_heap(ScriptBudget::Allocate, ScriptBudget::Reallocate,
                                    ScriptBudget::Free, &fBudget, nullptr));
  if (!engine.heap) {
    outcome.message = "the script engine cannot start within the memory budget";
    return outcome;
  }
  duk_context* ctx = engine.heap.get();
  engine.bindings.emplace(ctx, fManager, fPrint);

  ChangeSequence changes;
  PMString stepName;
  stepName.SetUTF8String(StepName(name));
  stepName.SetTranslatable(kFalse);
  changes.SetName(stepName);

  Job job{&*engine.bindings, &name, &engineSource};
  if (duk_safe_call(ctx, RunJob, &job, 0, 1) == DUK_EXEC_SUCCESS) {
    changes.Commit();
    outcome.completed = true;
    return outcome;
  }
  fBudget.LiftMemoryLimit();
  outcome.line = engine.bindings->LastThrowLine();
  if (duk_safe_call(ctx, DescribeError, &outcome, 1, 1) != DUK_EXEC_SUCCESS) {
    outcome.message = "the script failed, and its error cannot be read";
  }
  if (fBudget.InstructionsUsedUp()) {
    outcome.message = "the script ran beyond its budget of " +
                      std::to_string(fBudget.Limits().instructions) + " instructions";
  } else if (fBudget.MemoryRefused() && outcome.message == "Error: alloc failed") {
    outcome.message = "the script ran beyond its memory budget of " +
                      std::to_string(fBudget.Limits().memoryBytes) + " bytes";
  }
  return outcome;
}
