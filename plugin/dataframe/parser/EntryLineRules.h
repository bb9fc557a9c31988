// The rules that find line breaks and separators, shared by the line operations and the entry
// parser so that both read a body identically. One scan of a line finds its break, its separator
// and whether its characters need more than a plain conversion; each character is looked at
// once.
#pragma once

#include "BaseType.h"

namespace EntryLineRules {

constexpr textchar kCR = 0x0D;
constexpr textchar kLF = 0x0A;
constexpr textchar kEscape = '\\';
constexpr textchar kFirstSeparator = ':';
constexpr textchar kSecondSeparator = ',';

struct LineScan {
  // Where the line break starts (the end of the range when there is none) and how many
  // characters it takes: a CR or an LF, or a CR and an LF next to each other in either order.
  const textchar* lineEnd;
  int breakLength;
  // The first ":" whose previous character is not the escape, or, only when there is none, the
  // first such ","; lineEnd when there is neither.
  const textchar* separator;
  // No escape, NUL or surrogate in the line: each character stands for one byte as it is.
  bool plain;
};

inline bool IsSurrogate(textchar c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// The characters below 0x80 that the scan must look at.
inline bool IsNotableAscii(textchar c) {
  constexpr uint64 kLow = (uint64{1} << 0) | (uint64{1} << kCR) | (uint64{1} << kLF) |
                          (uint64{1} << kFirstSeparator) | (uint64{1} << kSecondSeparator);
  constexpr uint64 kHigh = uint64{1} << (kEscape - 64);
  return c < 64 ? ((kLow >> c) & 1) != 0 : ((kHigh >> (c - 64)) & 1) != 0;
}

// Scans [begin, end) as one entry line. With kStopAtBreak the line ends at the first break;
// without it line breaks are ordinary characters (the range is one line already).
template <bool kStopAtBreak>
inline LineScan ScanEntryLine(const textchar* begin, const textchar* end) {
  const textchar* colon = nullptr;
  const textchar* comma = nullptr;
  const textchar* lastEscape = nullptr;
  LineScan scan{end, 0, end, true};
  for (const textchar* p = begin; p != end; ++p) {
    const textchar c = *p;
    if (c >= 0x80) {
      if (IsSurrogate(c)) scan.plain = false;
      continue;
    }
    if (!IsNotableAscii(c)) continue;
    const bool escaped = p != begin && p - 1 == lastEscape;
    if (c == kFirstSeparator) {
      if (!colon && !escaped) colon = p;
    } else if (c == kSecondSeparator) {
      if (!comma && !escaped) comma = p;
    } else if (c == kEscape) {
      lastEscape = p;
      scan.plain = false;
    } else if (c == 0) {
      scan.plain = false;
    } else if (kStopAtBreak) {
      const textchar other = c == kCR ? kLF : kCR;
      scan.lineEnd = p;
      scan.breakLength = (p + 1 != end && p[1] == other) ? 2 : 1;
      break;
    }
  }
  scan.separator = colon ? colon : (comma ? comma : scan.lineEnd);
  return scan;
}

// Whether the character at p is an escape that the separator after it removes: the escapes of
// both separators go, every other backslash stays.
inline bool IsSeparatorEscape(const textchar* p, const textchar* end) {
  return *p == kEscape && p + 1 != end && (p[1] == kFirstSeparator || p[1] == kSecondSeparator);
}

}  // namespace EntryLineRules
