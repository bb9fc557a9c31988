#include "FaultLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "ScriptSession.h"
#include "SessionRunner.h"
#include "persist/DocumentFile.h"
#include "support/OperatorNew.h"

namespace {

const char* const kFaultNames[] = {"memory block", "operator new", "read",
                                   "write",        "sync",         "rename"};

void Arm(FaultInjection& faults, Fault fault, uint64 nth) {
  if (fault == Fault::kMemoryBlock) return faults.blocks.FailAllocation(nth);
  if (fault == Fault::kOperatorNew) return OperatorNew::FailNth(nth);
  const int kind = static_cast<int>(fault) - static_cast<int>(Fault::kRead);
  faults.env.FailNth(static_cast<FaultEnv::Kind>(kind), nth);
}

// Answers whether the armed failure happened.
bool Disarm(FaultInjection& faults, Fault fault) {
  if (fault == Fault::kMemoryBlock) return faults.blocks.Disarm();
  if (fault == Fault::kOperatorNew) return OperatorNew::Disarm();
  return faults.env.Disarm();
}

// What must come back to where it was after each run.
struct Holdings {
  uint64 blocks;
  uint64 allocations;
  int64 files;
  bool operator==(const Holdings& o) const {
    return blocks == o.blocks && allocations == o.allocations && files == o.files;
  }
};

Holdings HoldingsOf(FaultInjection& faults) {
  return {faults.blocks.LiveBlocks(), OperatorNew::Live(), faults.env.OpenFiles()};
}

// Runs the flow, answering whether it reported success; an exception that leaves it is noted.
bool Run(const FaultFlow& flow, bool* escaped) {
  try {
    return flow.run();
  } catch (...) {
    *escaped = true;
    return false;
  }
}

struct Outcome {
  bool reported = false;    // the flow reported success
  bool reached = false;     // the armed failure happened
  bool stateRight = false;  // the state is the one the report calls for
  bool escaped = false;     // an exception left the flow
  Holdings before, after;
};

// One run with the nth call failing (none for 0); `done` is the state a success leaves.
Outcome RunOnce(FaultInjection& faults, Fault fault, const FaultFlow& flow, uint64 nth,
                const std::vector<uint8>& done) {
  Outcome o;
  o.before = HoldingsOf(faults);
  {
    flow.setUp();
    const std::vector<uint8> unchanged = flow.state();
    Arm(faults, fault, nth);
    o.reported = Run(flow, &o.escaped);
    o.reached = Disarm(faults, fault);
    o.stateRight = flow.state() == (o.reported ? done : unchanged);
    flow.tearDown();
  }
  o.after = HoldingsOf(faults);
  return o;
}

}  // namespace

FaultLoopCount RunFaultLoop(FaultInjection& faults, Fault fault, const FaultFlow& flow) {
  FaultLoopCount count;
  // A run without faults gives the state a success leaves.
  flow.setUp();
  bool escaped = false;
  const bool succeeds = Run(flow, &escaped) && !escaped;
  const std::vector<uint8> done = flow.state();
  flow.tearDown();
  if (!succeeds) {
    ADD_FAILURE() << "the flow fails without faults";
    return count;
  }
  for (uint64 nth = 1;; ++nth) {
    Outcome o = RunOnce(faults, fault, flow, nth, done);
    // A first run may fill what is made once (a cache, a container's room): a leak is what a
    // second run of the same point leaves too.
    if (!(o.after == o.before)) o = RunOnce(faults, fault, flow, nth, done);
    SCOPED_TRACE(std::string(kFaultNames[static_cast<int>(fault)]) + " " + std::to_string(nth) +
                 " failing");
    EXPECT_FALSE(o.escaped) << "an exception left the flow";
    EXPECT_TRUE(o.stateRight) << (o.reported ? "the flow reported success, but did not do it all"
                                             : "the flow failed and left its state changed");
    EXPECT_EQ(o.after.blocks, o.before.blocks) << "memory blocks leaked";
    EXPECT_EQ(o.after.allocations, o.before.allocations) << "operator new allocations leaked";
    EXPECT_EQ(o.after.files, o.before.files) << "files were left open";
    EXPECT_TRUE(o.reached || o.reported) << "the flow failed without a failure";
    if (o.escaped || !o.stateRight || !(o.after == o.before) || !o.reached) return count;
    ++count.points;
    if (!o.reported) ++count.failures;
  }
}

FaultFlow SessionFlow(const std::string& prelude, const std::string& lines) {
  // What a run keeps: made in setUp, so that the flow itself allocates only what the runner does.
  struct Run {
    std::ostringstream out, err;
    ScriptSession session{out};
    std::istringstream lines;
  };
  auto run = std::make_shared<std::unique_ptr<Run>>();
  FaultFlow flow;
  flow.setUp = [run, prelude, lines] {
    *run = std::make_unique<Run>();
    std::istringstream in(prelude);
    EXPECT_EQ(RunSessionLines((*run)->session, in, (*run)->err, false), kSessionOK)
        << (*run)->err.str();
    (*run)->lines.str(lines);
  };
  flow.run = [run] {
    return RunSessionLines((*run)->session, (*run)->lines, (*run)->err, false) == kSessionOK;
  };
  flow.state = [run] {
    ScriptSession& session = (*run)->session;
    if (!session.HasDocument()) return std::vector<uint8>();
    std::vector<uint8> state = DocumentFile::Write(session.CurrentDocument());
    state.push_back(session.CurrentDocument().IsModified());
    return state;
  };
  flow.tearDown = [run] { run->reset(); };
  return flow;
}
