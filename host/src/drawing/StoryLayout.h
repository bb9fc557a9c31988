// Breaking a story's text into lines for a frame: Pango finds where Unicode's line breaking rules
// allow a break, and the lines are filled greedily with the widths of the font that draws them.
#pragma once

#include <string>
#include <vector>

#include "IFontInstance.h"

namespace StoryLayout {

// One line: UTF-16 code units of the text, without the white space and line separators that end
// it.
struct Line {
  int32 start;
  int32 length;
};

// The first lines (at most maxLines) of text in a column width wide. Paragraphs end at CR, LF or
// CR LF; a line breaks at the last place that fits, inside a word only when the word alone is too
// wide; white space at a line's end may stand beyond the width.
std::vector<Line> BreakLines(const std::u16string& text, const IFontInstance& font, PMReal width,
                             int32 maxLines);

}  // namespace StoryLayout
