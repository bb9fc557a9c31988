// The fault loop, in the manner of SQLite's allocation tests: a flow runs again and again with the
// 1st, 2nd, 3rd, … call of one kind failing, until a run completes without reaching its failure
// (so no count is fixed in advance). After every run it checks that
//   - the flow reported failure and left its state as it was, or reported success and left the
//     state a run without faults leaves (a state is a canonical serialisation: a document's saved
//     bytes, a file's bytes);
//   - nothing leaked: no memory block, no operator new allocation, no open file (a point that
//     seems to leak runs once more, since a first run may fill what is made once: a cache, a
//     container's room);
//   - no exception left the flow.
// A crash ends the test program, which fails too. The first run that breaks a rule ends the loop
// and the failure names its point.
//
// The host under test is made on the test's FaultInjection (HostTest and PlugInHostTest do so):
//
//   FaultFlow flow = SessionFlow("new-document", "text-frame A page=1\ngroup G A");
//   for (Fault fault : {Fault::kMemoryBlock, Fault::kOperatorNew}) {
//     RunFaultLoop(Faults(), fault, flow);
//   }
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/CountingBlocks.h"
#include "support/FaultEnv.h"

// The file faults come in FaultEnv::Kind's order.
enum class Fault { kMemoryBlock, kOperatorNew, kRead, kWrite, kSync, kRename };

struct FaultFlow {
  // Makes what the flow works on; runs without faults.
  std::function<void()> setUp;
  // The flow; answers whether it reported success.
  std::function<bool()> run;
  // What the flow changes, in a canonical form.
  std::function<std::vector<uint8>()> state;
  // Releases what setUp and the run made (messages and report lines included: the loop counts
  // every operator new allocation still alive).
  std::function<void()> tearDown;
};

// What a host under test fails with: its memory blocks and its environment.
struct FaultInjection {
  explicit FaultInjection(Env& target) : env(target) {}
  CountingBlocks blocks;
  FaultEnv env;
};

struct FaultLoopCount {
  uint64 points = 0;    // runs that reached their failure
  uint64 failures = 0;  // of those, runs whose flow reported failure
};

FaultLoopCount RunFaultLoop(FaultInjection& faults, Fault fault, const FaultFlow& flow);

// A flow written as session script lines: setUp runs the prelude in a new script session, run
// runs the lines as `vantelle run` would (the first failure ends them), state is the current
// document as a save writes it with its modified flag (nothing without one), and tearDown closes
// the session.
FaultFlow SessionFlow(const std::string& prelude, const std::string& lines);
