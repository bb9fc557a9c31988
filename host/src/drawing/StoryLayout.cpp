#include "StoryLayout.h"

#include <pango/pango.h>

#include "UnicodeSavvyString.h"

namespace {

struct Character {
  int32 unit;   // where it starts in the UTF-16 text
  int32 units;  // 1, or 2 for a surrogate pair
  PMReal advance;
};

std::vector<Character> Characters(const std::u16string& text, const IFontInstance& font,
                                  std::string* utf8) {
  std::vector<Character> characters;
  for (int32 i = 0; i < static_cast<int32>(text.size());) {
    const bool pair = i + 1 < static_cast<int32>(text.size()) && text[i] >= 0xD800 &&
                      text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    Character c{i, pair ? 2 : 1, 0};
    font.MeasureWText(text.data() + i, c.units, &c.advance, nullptr);
    UTF32TextChar scalar = text[i];
    if (pair) scalar = 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    if (!pair && scalar >= 0xD800 && scalar <= 0xDFFF) scalar = 0xFFFD;
    UnicodeSavvyString::AppendUTF8(*utf8, scalar);
    characters.push_back(c);
    i += c.units;
  }
  return characters;
}

}  // namespace

namespace StoryLayout {

std::vector<Line> BreakLines(const std::u16string& text, const IFontInstance& font, PMReal width,
                             int32 maxLines) {
  std::string utf8;
  const std::vector<Character> chars = Characters(text, font, &utf8);
  const int32 count = static_cast<int32>(chars.size());
  std::vector<PangoLogAttr> attrs(static_cast<size_t>(count) + 1);
  pango_get_log_attrs(utf8.data(), static_cast<int>(utf8.size()), -1,
                      pango_language_from_string("en"), attrs.data(), count + 1);

  std::vector<Line> lines;
  auto emit = [&](int32 from, int32 to) {
    while (to > from && attrs[static_cast<size_t>(to - 1)].is_white) --to;
    const int32 start = chars[static_cast<size_t>(from)].unit;
    const int32 end = to > from ? chars[static_cast<size_t>(to - 1)].unit +
                                      chars[static_cast<size_t>(to - 1)].units
                                : start;
    lines.push_back({start, end - start});
  };
  int32 lineStart = 0, lastBreak = -1;
  PMReal lineWidth = 0;
  auto restartAt = [&](int32 from, int32 upTo) {
    lineStart = from;
    lastBreak = -1;
    lineWidth = 0;
    for (int32 k = from; k < upTo; ++k) lineWidth += chars[static_cast<size_t>(k)].advance;
  };
  for (int32 i = 0; i < count && static_cast<int32>(lines.size()) < maxLines; ++i) {
    const PangoLogAttr& at = attrs[static_cast<size_t>(i)];
    if (i > lineStart && at.is_mandatory_break) {
      emit(lineStart, i);
      restartAt(i, i);
    } else if (i > lineStart && at.is_line_break) {
      lastBreak = i;
    }
    const PMReal advance = chars[static_cast<size_t>(i)].advance;
    if (!at.is_white && i > lineStart && lineWidth + advance > width) {
      int32 end = lastBreak;
      if (end <= lineStart) {
        // A word wider than the column breaks between its characters.
        end = i;
        while (end > lineStart + 1 && !attrs[static_cast<size_t>(end)].is_cursor_position) --end;
      }
      emit(lineStart, end);
      restartAt(end, i);
    }
    lineWidth += advance;
  }
  if (lineStart < count && static_cast<int32>(lines.size()) < maxLines) emit(lineStart, count);
  return lines;
}

}  // namespace StoryLayout
