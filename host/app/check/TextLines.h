// Lines and columns of places in a text, as editors count them: lines end at CR LF, CR or LF, and
// columns count characters (a surrogate pair is one) from 1.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "BaseType.h"

// The start of each line of a text, told by whoever reads the text's line breaks.
class LineIndex {
 public:
  explicit LineIndex(const std::u16string& text) : fText(text) { fStarts.push_back(0); }

  // Records a line break that ends before the position: the next line starts there.
  void AddStart(size_t at) { fStarts.push_back(static_cast<uint32>(at)); }
  // 1-based.
  uint32 Line(size_t at) const {
    return static_cast<uint32>(std::upper_bound(fStarts.begin(), fStarts.end(), at) -
                               fStarts.begin());
  }
  // The last line that holds a character.
  uint32 LastLine() const { return Line(fText.empty() ? 0 : fText.size() - 1); }
  size_t Start(uint32 line) const { return fStarts[line - 1]; }
  uint32 Count() const { return static_cast<uint32>(fStarts.size()); }
  const std::u16string& Text() const { return fText; }

 private:
  const std::u16string& fText;
  std::vector<uint32> fStarts;
};

// Lines and columns of positions asked for in order, each found by moving on from the last.
class LineCursor {
 public:
  explicit LineCursor(const LineIndex& index) : fIndex(index) {}

  uint32 Line(size_t at) {
    if (at < fIndex.Start(fLine)) {
      fLine = fIndex.Line(at);
      fAt = fIndex.Start(fLine);
      fColumn = 1;
    }
    while (fLine < fIndex.Count() && fIndex.Start(fLine + 1) <= at) {
      ++fLine;
      fAt = fIndex.Start(fLine);
      fColumn = 1;
    }
    return fLine;
  }
  // 1-based, in characters: a surrogate pair counts once.
  uint32 Column(size_t at) {
    Line(at);
    if (at < fAt) {
      fAt = fIndex.Start(fLine);
      fColumn = 1;
    }
    const std::u16string& text = fIndex.Text();
    for (; fAt < at && fAt < text.size(); ++fAt) {
      const bool secondOfPair = text[fAt] >= 0xDC00 && text[fAt] <= 0xDFFF &&
                                fAt > fIndex.Start(fLine) && text[fAt - 1] >= 0xD800 &&
                                text[fAt - 1] <= 0xDBFF;
      if (!secondOfPair) ++fColumn;
    }
    return fColumn;
  }

 private:
  const LineIndex& fIndex;
  uint32 fLine = 1;
  size_t fAt = 0;
  uint32 fColumn = 1;
};
