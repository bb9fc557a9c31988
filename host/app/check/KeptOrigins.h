// Where the units of a text left by cutting comments came from in the text before cutting.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "dataframe/parser/CommentCutter.h"

// Where each unit of the body left by cutting comments (and the header) stood in the whole text.
// Positions are looked up near the last one, as a walk over the body asks for them.
class KeptOrigins {
 public:
  KeptOrigins(const CommentCuts& cuts, size_t bodyStart, size_t keptSize)
      : fRuns(cuts.kept), fBodyStart(bodyStart), fKeptSize(keptSize) {}

  size_t Of(size_t at) {
    while (fRun + 1 < fRuns.size() && fRuns[fRun + 1].at <= at) ++fRun;
    while (fRun > 0 && fRuns[fRun].at > at) --fRun;
    return fRuns[fRun].from + (at - fRuns[fRun].at);
  }
  // The first place a comment was cut out between the kept positions first and last (inclusive),
  // or npos when no cut lies between them.
  size_t FirstCutBetween(size_t first, size_t last) {
    Of(first);
    for (size_t run = fRun; run + 1 < fRuns.size() && fRuns[run + 1].at <= last; ++run) {
      const size_t end = fRuns[run].from + (fRuns[run + 1].at - fRuns[run].at);
      if (end != fRuns[run + 1].from) return end;
    }
    return std::u16string::npos;
  }
  // Whether the unit at a position of the whole text is part of the body left by cutting.
  bool IsKept(size_t original) const {
    auto run = std::upper_bound(fRuns.begin(), fRuns.end(), original,
                                [](size_t f, const CommentCuts::KeptRun& r) { return f < r.from; });
    if (run == fRuns.begin()) return false;
    const size_t next = run == fRuns.end() ? fKeptSize : run->at;
    --run;
    return original - run->from < next - run->at;
  }
  // Where the cut that ran to the end of the text began.
  size_t UnclosedStart() {
    if (fRuns.empty()) return fBodyStart;
    return Of(fKeptSize - 1) + 1;
  }

 private:
  const std::vector<CommentCuts::KeptRun>& fRuns;
  size_t fBodyStart;
  size_t fKeptSize;
  size_t fRun = 0;
};
