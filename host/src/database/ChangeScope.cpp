#include "ChangeScope.h"

#include <algorithm>
#include <vector>

#include "Database.h"
#include "app/Host.h"

namespace ChangeScope {
namespace {

std::vector<Frame>& Frames() {
  return Host::Get().Scopes().frames;
}

// How many scopes are open outside the scope; all of them when it is closed already.
size_t DepthOf(uint64 scope) {
  std::vector<Frame>& frames = Frames();
  auto it = std::find_if(frames.begin(), frames.end(),
                         [scope](const Frame& frame) { return frame.id == scope; });
  return static_cast<size_t>(it - frames.begin());
}

void CloseInnermost(const PMString& stepName) {
  std::vector<Frame>& frames = Frames();
  Frame frame = std::move(frames.back());
  frames.pop_back();
  if (!frames.empty()) return;
  for (auto& mark : frame.marks) mark.first->EndStep(stepName, frame.step);
}

}  // namespace

PMString DefaultStepName() {
  PMString name("Change");
  name.SetTranslatable(kFalse);
  return name;
}

uint64 Open(Step step) {
  Stack& stack = Host::Get().Scopes();
  stack.frames.push_back({stack.lastId + 1, step, {}});
  return ++stack.lastId;
}

bool IsOpen() {
  return !Frames().empty();
}

size_t Depth() {
  return Frames().size();
}

void Close(uint64 scope, const PMString& stepName) {
  const size_t depth = DepthOf(scope);
  if (depth == Depth()) return;
  while (Depth() > depth + 1) CloseInnermost(DefaultStepName());
  CloseInnermost(stepName);
}

void RollBackInnermost() {
  std::vector<Frame>& frames = Frames();
  if (frames.empty()) return;
  for (auto& mark : frames.back().marks) mark.first->RollBackTo(mark.second);
}

void AbandonScope(uint64 scope) {
  Abandon(DepthOf(scope));
}

void Abandon(size_t depth) {
  while (Frames().size() > depth) {
    RollBackInnermost();
    CloseInnermost(DefaultStepName());
  }
}

void WillChange(Database* db, size_t recordsSoFar) {
  // Room first, so that no frame is left half told.
  for (Frame& frame : Frames()) frame.marks.reserve(frame.marks.size() + 1);
  for (Frame& frame : Frames()) {
    auto seen = std::find_if(frame.marks.begin(), frame.marks.end(),
                             [db](const std::pair<Database*, size_t>& m) { return m.first == db; });
    if (seen == frame.marks.end()) frame.marks.emplace_back(db, recordsSoFar);
  }
}

void Forget(Database* db) {
  for (Frame& frame : Frames()) {
    frame.marks.erase(
        std::remove_if(frame.marks.begin(), frame.marks.end(),
                       [db](const std::pair<Database*, size_t>& m) { return m.first == db; }),
        frame.marks.end());
  }
}

}  // namespace ChangeScope
