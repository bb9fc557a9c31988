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

void TrimWhiteSpace(Field& field) {
  while (field.begin != field.end && PMString::IsWhiteSpaceChar(*field.begin)) ++field.begin;
  while (field.end != field.begin && PMString::IsWhiteSpaceChar(field.end[-1])) --field.end;
}

bool IsHighSurrogate(textchar c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(textchar c) {
  return c >= 0xDC00 && c <= 0xDFFF;
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
    if (IsHighSurrogate(c) && p + 1 != field.end && IsLowSurrogate(p[1])) ++p;
    if (kWrite) out[length] = c < 0x80 ? static_cast<uint8>(c) : PlatformEncoding::EncodeChar(c);
    ++length;
  }
  return length;
}

// Writes one entry for the line [begin, end), or nothing when the line is a lone separator or
// the block cannot grow.
void AddEntry(const textchar* begin, const textchar* end, EntryBlockBuilder& builder) {
  static const std::u16string kMissingValue = PMString(kDataFrameMissingValue).GetUTF16();
  const textchar* separator = FindEntrySeparator(begin, end);
  Field label{begin, separator};
  Field value{kMissingValue.data(), kMissingValue.data() + kMissingValue.size()};
  if (separator != end) {
    value = Field{separator + 1, end};
    if (label.IsEmpty() && value.IsEmpty()) return;
  }
  TrimWhiteSpace(label);
  TrimWhiteSpace(value);

  uint32 labelBytes = EncodeField<false>(label, nullptr);
  uint32 valueBytes = EncodeField<false>(value, nullptr);
  uint64 entrySize = uint64{kDataFrameEntrySizeFieldSize} + labelBytes + 1 + valueBytes + 1;
  uint8* out = builder.ReserveEntry(entrySize);
  if (!out) return;
  auto size32 = static_cast<uint32>(entrySize);
  std::memcpy(out, &size32, sizeof size32);
  out += kDataFrameEntrySizeFieldSize;
  EncodeField<true>(label, out);
  out[labelBytes] = 0;
  out += labelBytes + 1;
  EncodeField<true>(value, out);
  out[valueBytes] = 0;
  builder.CommitEntry(size32);
}

void AddEntries(const std::u16string& text, EntryBlockBuilder& builder) {
  const textchar* at = text.data();
  const textchar* end = at + text.size();
  while (at != end) {
    LineBreak lineBreak = FindLineBreak(at, end);
    if (lineBreak.start != at) AddEntry(at, lineBreak.start, builder);
    at = lineBreak.start + lineBreak.length;
  }
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
