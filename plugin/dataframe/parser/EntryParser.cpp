#include "dataframe/parser/EntryParser.h"

#include <cstring>

#include "dataframe/parser/CommentCutter.h"
#include "dataframe/parser/EntryBlockBuilder.h"
#include "dataframe/parser/EntryLineRules.h"

using namespace EntryLineRules;

namespace {

// A label or value as a range of the text, escapes still in it.
struct Field {
  const textchar* begin;
  const textchar* end;
  bool IsEmpty() const { return begin == end; }
};

bool IsWhiteSpace(textchar c) {
  return (c > 0x20 && c < 0x7F) ? false : PMString::IsWhiteSpaceChar(c) != kFalse;
}

void TrimWhiteSpace(Field& field) {
  while (field.begin != field.end && IsWhiteSpace(*field.begin)) ++field.begin;
  while (field.end != field.begin && IsWhiteSpace(field.end[-1])) --field.end;
}

uint8 EncodeChar(textchar c) {
  return c < 0x80 ? static_cast<uint8>(c) : PlatformEncoding::EncodeChar(c);
}

// The field as an 8-bit C string: separator escapes removed, each character in the platform
// encoding (a surrogate pair is one character), ending at a NUL character as any C string does.
// Counts the bytes, and writes them too when out is given.
template <bool kWrite>
uint32 EncodeField(const Field& field, uint8* out) {
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
  uint32 labelBytes;
  uint32 valueBytes;
  uint64 Size() const {
    return uint64{kDataFrameEntrySizeFieldSize} + labelBytes + 1 + valueBytes + 1;
  }
};

// Reads a scanned line; false when it yields no entry (a lone separator).
bool ReadEntry(const textchar* begin, const LineScan& line, EntryFields& entry) {
  static const std::u16string kMissingValue = PMString(kDataFrameMissingValue).GetUTF16();
  entry.label = Field{begin, line.separator};
  entry.value = Field{kMissingValue.data(), kMissingValue.data() + kMissingValue.size()};
  if (line.separator != line.lineEnd) {
    entry.value = Field{line.separator + 1, line.lineEnd};
    if (entry.label.IsEmpty() && entry.value.IsEmpty()) return false;
  }
  TrimWhiteSpace(entry.label);
  TrimWhiteSpace(entry.value);
  entry.plain = line.plain;
  if (line.plain) {
    entry.labelBytes = static_cast<uint32>(entry.label.end - entry.label.begin);
    entry.valueBytes = static_cast<uint32>(entry.value.end - entry.value.begin);
  } else {
    entry.labelBytes = EncodeField<false>(entry.label, nullptr);
    entry.valueBytes = EncodeField<false>(entry.value, nullptr);
  }
  return true;
}

void WriteField(const Field& field, bool plain, uint8* out) {
  if (plain) {
    for (const textchar* p = field.begin; p != field.end; ++p) *out++ = EncodeChar(*p);
  } else {
    EncodeField<true>(field, out);
  }
}

void WriteEntry(const EntryFields& entry, uint8* out) {
  auto size = static_cast<uint32>(entry.Size());
  std::memcpy(out, &size, sizeof size);
  out += kDataFrameEntrySizeFieldSize;
  WriteField(entry.label, entry.plain, out);
  out[entry.labelBytes] = 0;
  out += entry.labelBytes + 1;
  WriteField(entry.value, entry.plain, out);
  out[entry.valueBytes] = 0;
}

// Calls visit for the entry of each non-empty line, in text order.
template <class Visit>
void ForEachEntry(const std::u16string& text, Visit visit) {
  const textchar* at = text.data();
  const textchar* end = at + text.size();
  EntryFields entry;
  while (at != end) {
    LineScan line = ScanEntryLine<true>(at, end);
    if (line.lineEnd != at && ReadEntry(at, line, entry)) visit(entry);
    at = line.lineEnd + line.breakLength;
  }
}

// One pass over the text, each entry written straight into the block. A line whose entry cannot
// be had (the block cannot grow, or would pass 32 bits) is dropped; the lines after it are still
// tried.
void AddEntries(const std::u16string& text, EntryBlockBuilder& builder) {
  // An entry takes at most a few bytes more than its line's characters and break, unless the line
  // is short and has no separator: half as much again as the text is made room for at the first
  // entry, so the block seldom has to grow. Room that is never written costs no memory pages.
  builder.Expect(uint64{kDataFrameEntryBlockHeadSize} + text.size() + text.size() / 2);
  ForEachEntry(text, [&](const EntryFields& entry) {
    uint8* out = builder.ReserveEntry(entry.Size());
    if (!out) return;
    WriteEntry(entry, out);
    builder.CommitEntry(static_cast<uint32>(entry.Size()));
  });
}

}  // namespace

void ParseDataFrameEntries(PMString& text, DataFrameType type, MemBlock* block, uint32* size) {
  EntryBlockBuilder builder;
  if (!builder.Start(type)) return;
  std::u16string& units = text.GetUTF16Mutable();
  CutComments(units);
  if (type == kDataFrameTypeLabels) AddEntries(units, builder);
  uint32 total = 0;
  MemBlock result = builder.Finish(&total);
  if (block) {
    *block = result;
  } else {
    FreeMemBlock(result);
  }
  if (size) *size = total;
}
