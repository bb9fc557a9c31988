// The rules that find line breaks and separators, shared by the line operations and the entry
// parser so that both read a body identically. They work on raw UTF-16 ranges and look at each
// character a constant number of times.
#pragma once

#include "BaseType.h"

namespace EntryLineRules {

constexpr textchar kCR = 0x0D;
constexpr textchar kLF = 0x0A;
constexpr textchar kEscape = '\\';
constexpr textchar kFirstSeparator = ':';
constexpr textchar kSecondSeparator = ',';

// A line break: where it starts and how many characters it takes (0 when there is none, in
// which case it starts at the end of the range).
struct LineBreak {
  const textchar* start;
  int length;
};

// The first break in [from, end): a CR or an LF; a CR directly followed by an LF, or an LF
// directly followed by a CR, is one break of two characters.
inline LineBreak FindLineBreak(const textchar* from, const textchar* end) {
  for (const textchar* p = from; p != end; ++p) {
    textchar c = *p;
    if (c == kCR || c == kLF) {
      textchar other = c == kCR ? kLF : kCR;
      return {p, (p + 1 != end && p[1] == other) ? 2 : 1};
    }
  }
  return {end, 0};
}

// The separator of the line [begin, end): the first ":" whose previous character is not the
// escape, or, only when there is none, the first such ","; end when there is neither.
inline const textchar* FindEntrySeparator(const textchar* begin, const textchar* end) {
  const textchar* comma = end;
  for (const textchar* p = begin; p != end; ++p) {
    textchar c = *p;
    if ((c != kFirstSeparator && c != kSecondSeparator) || (p != begin && p[-1] == kEscape)) {
      continue;
    }
    if (c == kFirstSeparator) return p;
    if (comma == end) comma = p;
  }
  return comma;
}

// Whether the character at p is an escape that the separator after it removes: the escapes of
// both separators go, every other backslash stays.
inline bool IsSeparatorEscape(const textchar* p, const textchar* end) {
  return *p == kEscape && p + 1 != end && (p[1] == kFirstSeparator || p[1] == kSecondSeparator);
}

}  // namespace EntryLineRules
