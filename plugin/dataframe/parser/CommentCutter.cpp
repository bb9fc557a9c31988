#include "dataframe/parser/CommentCutter.h"

#include <algorithm>
#include <cstring>

#include "UnicodeSavvyString.h"

namespace {

constexpr char16_t kOpener[] = u"<!--";
constexpr size_t kOpenerLength = 4;
constexpr char16_t kCloser[] = u"-->";
constexpr size_t kCloserLength = 3;

bool SameUnits(const char16_t* a, const char16_t* b, size_t count) {
  return std::memcmp(a, b, count * sizeof(char16_t)) == 0;
}

// How many of the opener's characters the kept text ends with when the rest of the text begins
// with the others: a cut can join "<!" and "--" (or "<" and "!--", "<!-" and "-") into a new
// opener. 3 is tried first because it starts leftmost; 0 when no opener spans the join.
size_t OpenerAcrossJoin(const char16_t* keptEnd, size_t keptLength, const char16_t* rest,
                        size_t restLength) {
  for (size_t inKept = kOpenerLength - 1; inKept >= 1; --inKept) {
    size_t inRest = kOpenerLength - inKept;
    if (keptLength >= inKept && restLength >= inRest &&
        SameUnits(keptEnd - inKept, kOpener, inKept) && SameUnits(rest, kOpener + inKept, inRest)) {
      return inKept;
    }
  }
  return 0;
}

}  // namespace

void CutComments(std::u16string& text, CommentCuts* cuts, size_t from) {
  // The kept text is compacted in place at the front: [0, write) is kept and holds no opener,
  // [read, size) is not yet looked at, and write never passes read.
  char16_t* data = &text[0];
  const size_t size = text.size();
  size_t write = 0;
  size_t read = std::min(from, size);
  while (read < size) {
    // The first opener of kept + rest: across the join (only possible after a cut), or in rest.
    size_t inKept = OpenerAcrossJoin(data + write, write, data + read, size - read);
    if (inKept != 0) {
      write -= inKept;
      read += kOpenerLength - inKept;
      while (cuts && !cuts->kept.empty() && cuts->kept.back().at >= write) cuts->kept.pop_back();
    } else {
      size_t opener = UnicodeSavvyString::FindUnits(text, kOpener, kOpenerLength, read);
      size_t keep = (opener == std::u16string::npos ? size : opener) - read;
      if (write != read) std::memmove(data + write, data + read, keep * sizeof(char16_t));
      if (cuts && keep != 0) cuts->kept.push_back({write, read});
      write += keep;
      if (opener == std::u16string::npos) break;
      read = opener + kOpenerLength;
    }
    // The closer is searched from the opener itself, so the opener's own dashes may begin it:
    // "<!-->" and "<!--->" are whole comments.
    if (read < size && data[read] == '>') {
      read += 1;
    } else if (read + 1 < size && data[read] == '-' && data[read + 1] == '>') {
      read += 2;
    } else {
      size_t closer = UnicodeSavvyString::FindUnits(text, kCloser, kCloserLength, read);
      read = closer == std::u16string::npos ? size : closer + kCloserLength;
      if (cuts) cuts->unclosed = closer == std::u16string::npos;
    }
  }
  text.resize(write);
}
