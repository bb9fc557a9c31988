#include "ChangeScope.h"

#include <algorithm>

#include "Database.h"
#include "app/Host.h"

namespace ChangeScope {
namespace {

Stack& Frames() {
  return Host::Get().Scopes();
}

}  // namespace

PMString DefaultStepName() {
  PMString name("Change");
  name.SetTranslatable(kFalse);
  return name;
}

void Open(Fold fold) {
  Frames().push_back({fold, {}});
}

bool IsOpen() {
  return !Frames().empty();
}

bool IsOutermostOpen() {
  return Frames().size() == 1;
}

void Close(const PMString& stepName) {
  Stack& frames = Frames();
  if (frames.empty()) return;
  Frame frame = std::move(frames.back());
  frames.pop_back();
  if (!frames.empty()) return;
  for (auto& mark : frame.marks)
    mark.first->EndStep(stepName, frame.fold == Fold::kIntoPreviousStep);
}

void RollBackInnermost() {
  Stack& frames = Frames();
  if (frames.empty()) return;
  for (auto& mark : frames.back().marks) mark.first->RollBackTo(mark.second);
}

void WillChange(Database* db, size_t recordsSoFar) {
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
