#include "dataframe/parser/EntryParser.h"

#include <algorithm>
#include <cstring>

#include "dataframe/parser/CommentCutter.h"
#include "dataframe/parser/EntryBlockBuilder.h"
#include "dataframe/parser/EntryLineRules.h"

using namespace EntryLineRules;

namespace {

void WriteField(const Field& field, bool plain, bool ascii, uint8* out) {
  if (ascii) {
    NarrowAscii(field.begin, static_cast<size_t>(field.end - field.begin), out);
  } else if (plain) {
    for (const textchar* p = field.begin; p != field.end; ++p) *out++ = EncodeChar(*p);
  } else {
    EncodeField<true>(field, out);
  }
}

void WriteEntry(const EntryFields& entry, uint8* out) {
  auto size = static_cast<uint32>(entry.Size());
  std::memcpy(out, &size, sizeof size);
  out += kDataFrameEntrySizeFieldSize;
  WriteField(entry.label, entry.plain, entry.ascii, out);
  out[entry.labelBytes] = 0;
  out += entry.labelBytes + 1;
  WriteField(entry.value, entry.plain, entry.ascii, out);
  out[entry.valueBytes] = 0;
}

// One pass over the text, each entry written straight into the block. A line whose entry cannot
// be had (the block cannot grow, or would pass 32 bits) is dropped; the lines after it are still
// tried.
void AddEntries(const std::u16string& text, EntryBlockBuilder& builder) {
  // An entry takes at most a few bytes more than its line's characters and break, unless the line
  // is short and has no separator: half as much again as the text is made room for at the first
  // entry, so the block seldom has to grow. Room that is never written costs no memory pages.
  builder.Expect(uint64{kDataFrameEntryBlockHeadSize} + text.size() + text.size() / 2);
  ForEachEntryLine(text, [&](const EntryLine& line) {
    if (!line.entry) return;
    const EntryFields& entry = *line.entry;
    uint8* out = builder.ReserveEntry(entry.Size());
    if (!out) return;
    WriteEntry(entry, out);
    builder.CommitEntry(static_cast<uint32>(entry.Size()));
  });
}

}  // namespace

void ParseDataFrameEntries(PMString& text, DataFrameType type, MemBlock* block, uint32* size) {
  ParseDataFrameBody(text, 0, type, block, size);
}

void ParseDataFrameBody(PMString& text, int32 bodyStart, DataFrameType type, MemBlock* block,
                        uint32* size) {
  EntryBlockBuilder builder;
  if (!builder.Start(type)) return;
  std::u16string& units = text.GetUTF16Mutable();
  CutComments(units, nullptr, static_cast<size_t>(std::max(bodyStart, 0)));
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
