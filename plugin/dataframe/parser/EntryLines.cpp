#include "dataframe/parser/EntryLines.h"

#include <string>

#include "dataframe/DataFrameTypes.h"
#include "dataframe/parser/EntryLineRules.h"

using namespace EntryLineRules;

PMString* NextEntryLine(const PMString& text, int32& cursor) {
  const std::u16string& units = text.GetUTF16();
  const textchar* begin = units.data();
  const textchar* end = begin + units.size();
  if (cursor < 0) cursor = 0;
  // Each call looks only at the line it returns and the empty lines before it, so reading a
  // whole text line by line stays linear whatever mix of CR and LF it holds.
  while (static_cast<size_t>(cursor) < units.size()) {
    const textchar* at = begin + cursor;
    LineScan line = ScanEntryLine<true>(at, end);
    cursor = static_cast<int32>(line.lineEnd - begin) + line.breakLength;
    if (line.lineEnd != at) return new PMString(std::u16string(at, line.lineEnd));
  }
  return nullptr;
}

void SplitEntryLine(const PMString& line, PMString& label, PMString& value) {
  const std::u16string& units = line.GetUTF16();
  const textchar* begin = units.data();
  const textchar* end = begin + units.size();
  const textchar* separator = ScanEntryLine<false>(begin, end).separator;
  if (separator != end) {
    label = PMString(std::u16string(begin, separator));
    value = PMString(std::u16string(separator + 1, end));
  } else {
    label = line;
    value = PMString(kDataFrameMissingValue);
  }
  const PMString escape(std::u16string(1, kEscape));
  const PMString firstSeparator(std::u16string(1, kFirstSeparator));
  const PMString secondSeparator(std::u16string(1, kSecondSeparator));
  for (PMString* part : {&label, &value}) {
    RemoveSeparatorEscapes(*part, escape, firstSeparator, 0, part->CharCount());
    RemoveSeparatorEscapes(*part, escape, secondSeparator, 0, part->CharCount());
  }
}

int32 RemoveSeparatorEscapes(PMString& string, const PMString& escape, const PMString& separator,
                             int32 start, int32 end) {
  if (string.IsEmpty() || separator.IsEmpty()) return 0;
  std::u16string& units = string.GetUTF16Mutable();
  const std::u16string pattern = escape.GetUTF16() + separator.GetUTF16();
  const size_t escapeLength = escape.GetUTF16().size();
  // Each search starts behind the separator kept by the removal before it, that is in text the
  // removals have not touched: the occurrences are those of the original text, found left to
  // right without overlap. So one pass compacts the string in place; an occurrence's position in
  // the shrinking string is its original position less the escapes removed before it.
  size_t from = start < 0 ? 0 : static_cast<size_t>(start);
  if (from > units.size()) return 0;
  textchar* data = &units[0];
  size_t write = from;
  size_t read = from;
  auto keep = [&](size_t upTo) {
    if (write != read) std::char_traits<textchar>::move(data + write, data + read, upTo - read);
    write += upTo - read;
  };
  int32 count = 0;
  for (;;) {
    size_t found = units.find(pattern, from);
    if (found == std::u16string::npos) break;
    int64 shrunkPosition =
        static_cast<int64>(found) - int64{count} * static_cast<int64>(escapeLength);
    if (shrunkPosition >= end) break;
    keep(found);
    read = found + escapeLength;
    from = found + pattern.size();
    ++count;
  }
  keep(units.size());
  units.resize(write);
  return count;
}
