#include "ChangeScope.h"

#include <algorithm>
#include <vector>

#include "Database.h"

namespace ChangeScope {
namespace {

struct Frame {
  Fold fold;
  // Each database changed inside the frame, with its record count when the frame first saw it.
  std::vector<std::pair<Database*, size_t>> marks;
};

std::vector<Frame> gFrames;

}  // namespace

PMString DefaultStepName() {
  PMString name("Change");
  name.SetTranslatable(kFalse);
  return name;
}

void Open(Fold fold) {
  gFrames.push_back({fold, {}});
}

bool IsOpen() {
  return !gFrames.empty();
}

bool IsOutermostOpen() {
  return gFrames.size() == 1;
}

void Close(const PMString& stepName) {
  if (gFrames.empty()) return;
  Frame frame = std::move(gFrames.back());
  gFrames.pop_back();
  if (!gFrames.empty()) return;
  for (auto& mark : frame.marks)
    mark.first->EndStep(stepName, frame.fold == Fold::kIntoPreviousStep);
}

void RollBackInnermost() {
  if (gFrames.empty()) return;
  for (auto& mark : gFrames.back().marks) mark.first->RollBackTo(mark.second);
}

void WillChange(Database* db, size_t recordsSoFar) {
  for (Frame& frame : gFrames) {
    auto seen = std::find_if(frame.marks.begin(), frame.marks.end(),
                             [db](const std::pair<Database*, size_t>& m) { return m.first == db; });
    if (seen == frame.marks.end()) frame.marks.emplace_back(db, recordsSoFar);
  }
}

void Forget(Database* db) {
  for (Frame& frame : gFrames) {
    frame.marks.erase(
        std::remove_if(frame.marks.begin(), frame.marks.end(),
                       [db](const std::pair<Database*, size_t>& m) { return m.first == db; }),
        frame.marks.end());
  }
}

}  // namespace ChangeScope
