// How the lines of a body are read into entries: the rules that find line breaks and separators,
// trim labels and values and encode them as 8-bit strings. One scan of a line finds its break,
// its separator and whether its characters need more than a plain conversion; each character is
// looked at once. The entry parser writes blocks with them, and tools that explain a parse read
// lines with the same walk.
#pragma once

#include <cstring>
#include <string>

#include "BaseType.h"
#include "PMString.h"
#include "dataframe/DataFrameTypes.h"

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
  // Every character below 0x80: each is its own byte.
  bool ascii;
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

// Flags the units of a word of four that may be ones the scan must look at: at or above 0x80,
// below 0x0E (NUL, LF, CR), or a separator or the escape. Each flagged unit has bits set in its
// own 16 bits of the result. A borrow can flag a unit above a flagged one, never one below: the
// lowest flagged unit is always one to look at. Most words of a text flag none and are passed over
// whole.
inline uint64 NotableUnits(uint64 four) {
  constexpr uint64 kOnes = 0x0001000100010001u;
  constexpr uint64 kHighs = 0x8000800080008000u;
  const auto zeros = [](uint64 x) { return (x - kOnes) & ~x & kHighs; };
  return (four & 0xFF80FF80FF80FF80u) | ((four - 0x000E * kOnes) & ~four & kHighs) |
         zeros(four ^ (kFirstSeparator * kOnes)) | zeros(four ^ (kSecondSeparator * kOnes)) |
         zeros(four ^ (kEscape * kOnes));
}

// The position in its word of the lowest unit a non-zero NotableUnits result flags (the word read
// in memory order, first unit lowest).
inline int LowestFlaggedUnit(uint64 flags) {
  int unit = 0;
  while ((flags & 0xFFFF) == 0) {
    flags >>= 16;
    ++unit;
  }
  return unit;
}

// Scans [begin, end) as one entry line. With kStopAtBreak the line ends at the first break;
// without it line breaks are ordinary characters (the range is one line already).
template <bool kStopAtBreak>
inline LineScan ScanEntryLine(const textchar* begin, const textchar* end) {
  const textchar* colon = nullptr;
  const textchar* comma = nullptr;
  const textchar* lastEscape = nullptr;
  LineScan scan{end, 0, end, true, true};
  for (const textchar* p = begin; p != end; ++p) {
    // Four units at a time up to the first that may need looking at.
    while (end - p >= 4) {
      uint64 four;
      std::memcpy(&four, p, 8);
      const uint64 flags = NotableUnits(four);
      if (flags != 0) {
        p += LowestFlaggedUnit(flags);
        break;
      }
      p += 4;
    }
    if (p == end) break;
    const textchar c = *p;
    if (c >= 0x80) {
      scan.ascii = false;
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

// A label or value as a range of the text, escapes still in it.
struct Field {
  const textchar* begin;
  const textchar* end;
  bool IsEmpty() const { return begin == end; }
};

inline bool IsWhiteSpace(textchar c) {
  return (c > 0x20 && c < 0x7F) ? false : PMString::IsWhiteSpaceChar(c) != kFalse;
}

inline void TrimWhiteSpace(Field& field) {
  while (field.begin != field.end && IsWhiteSpace(*field.begin)) ++field.begin;
  while (field.end != field.begin && IsWhiteSpace(field.end[-1])) --field.end;
}

inline uint8 EncodeChar(textchar c) {
  return c < 0x80 ? static_cast<uint8>(c) : PlatformEncoding::EncodeChar(c);
}

// Characters that are all below 0x80 as their bytes, four at a time: each unit narrowed to its
// low byte.
inline void NarrowAscii(const textchar* units, size_t count, uint8* out) {
  size_t i = 0;
  for (; i + 4 <= count; i += 4) {
    uint64 four;
    std::memcpy(&four, units + i, 8);
    const auto bytes = static_cast<uint32>((four & 0xFF) | ((four >> 8) & 0xFF00) |
                                           ((four >> 16) & 0xFF0000) | ((four >> 24) & 0xFF000000));
    std::memcpy(out + i, &bytes, 4);
  }
  for (; i < count; ++i) out[i] = static_cast<uint8>(units[i]);
}

// The field as an 8-bit C string: separator escapes removed, each character in the platform
// encoding (a surrogate pair is one character), ending at a NUL character as any C string does.
// Counts the bytes, and writes them too when out is given.
template <bool kWrite>
inline uint32 EncodeField(const Field& field, uint8* out) {
  uint32 length = 0;
  for (const textchar* p = field.begin; p != field.end; ++p) {
    textchar c = *p;
    if (c == 0) break;
    if (IsSeparatorEscape(p, field.end)) continue;
    if (c >= 0xD800 && c <= 0xDBFF && p + 1 != field.end && p[1] >= 0xDC00 && p[1] <= 0xDFFF) ++p;
    if (kWrite) out[length] = EncodeChar(c);
    ++length;
  }
  return length;
}

// A line read as an entry: label and value trimmed, with their lengths as 8-bit strings.
struct EntryFields {
  Field label;
  Field value;
  bool plain;  // every character one byte as it stands
  bool ascii;  // plain, and each byte the character's own code
  uint32 labelBytes;
  uint32 valueBytes;
  uint64 Size() const {
    return uint64{kDataFrameEntrySizeFieldSize} + labelBytes + 1 + valueBytes + 1;
  }
};

// The value of a line without separator, as the entry field points to it.
inline const std::u16string kMissingValue = PMString(kDataFrameMissingValue).GetUTF16();

// Reads a scanned line; false when it yields no entry (a lone separator).
inline bool ReadEntry(const textchar* begin, const LineScan& line, EntryFields& entry) {
  entry.label = Field{begin, line.separator};
  entry.value = Field{kMissingValue.data(), kMissingValue.data() + kMissingValue.size()};
  if (line.separator != line.lineEnd) {
    entry.value = Field{line.separator + 1, line.lineEnd};
    if (entry.label.IsEmpty() && entry.value.IsEmpty()) return false;
  }
  TrimWhiteSpace(entry.label);
  TrimWhiteSpace(entry.value);
  entry.plain = line.plain;
  entry.ascii = line.plain && line.ascii;
  if (line.plain) {
    entry.labelBytes = static_cast<uint32>(entry.label.end - entry.label.begin);
    entry.valueBytes = static_cast<uint32>(entry.value.end - entry.value.begin);
  } else {
    entry.labelBytes = EncodeField<false>(entry.label, nullptr);
    entry.valueBytes = EncodeField<false>(entry.value, nullptr);
  }
  return true;
}

// One non-empty line of a body as it is read: where it begins, what its scan found, and its entry
// (null for a line that gives none, a lone separator).
struct EntryLine {
  const textchar* begin;
  LineScan scan;
  const EntryFields* entry;
};

// Calls visit for each non-empty line of the text (comments already cut), in text order. Every
// reader of a body walks it this way, so that all read it alike.
template <class Visit>
void ForEachEntryLine(const std::u16string& text, Visit visit) {
  const textchar* at = text.data();
  const textchar* end = at + text.size();
  EntryFields entry;
  while (at != end) {
    const LineScan scan = ScanEntryLine<true>(at, end);
    if (scan.lineEnd != at)
      visit(EntryLine{at, scan, ReadEntry(at, scan, entry) ? &entry : nullptr});
    at = scan.lineEnd + scan.breakLength;
  }
}

}  // namespace EntryLineRules
