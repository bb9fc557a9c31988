#include "dataframe/ReferenceParser.h"

#include <cstring>
#include <memory>
#include <vector>

namespace Reference {

namespace {

void CutComments(PMString& text) {
  for (int32 p = text.IndexOfString("<!--"); p >= 0; p = text.IndexOfString("<!--")) {
    int32 c = text.IndexOfString("-->", p);
    PMString joined = text.Substring(0, p);
    if (c >= 0) joined.Append(text.Substring(c + 3));
    text = joined;
  }
}

PMString* NextEntryLine(const PMString& text, int32& cursor) {
  for (;;) {
    if (cursor > text.CharCount()) return nullptr;
    int32 cr = text.IndexOfString(PMString(u"\r"), cursor);
    int32 lf = text.IndexOfString(PMString(u"\n"), cursor);
    if (cr < 0 && lf < 0) {
      PMString rest = text.Substring(cursor);
      if (rest.IsEmpty()) return nullptr;
      cursor += rest.CharCount();
      return new PMString(rest);
    }
    int32 at = cr < 0 ? lf : (lf < 0 ? cr : std::min(cr, lf));
    int32 length = (cr >= 0 && lf >= 0 && (cr - lf == 1 || lf - cr == 1)) ? 2 : 1;
    if (at == cursor) {
      cursor += length;
      continue;
    }
    PMString* line = new PMString(text.Substring(cursor, at - cursor));
    cursor = at + length;
    return line;
  }
}

int32 FindUnescaped(const PMString& line, const PMString& separator) {
  int32 p = line.IndexOfString(separator);
  while (p > 0 && line[p - 1] == '\\') p = line.IndexOfString(separator, p + 1);
  return p;
}

int32 RemoveSeparatorEscapes(PMString& string, const PMString& escape, const PMString& separator,
                             int32 start, int32 end);

void SplitEntryLine(const PMString& line, PMString& label, PMString& value) {
  int32 p = FindUnescaped(line, ":");
  if (p < 0) p = FindUnescaped(line, ",");
  if (p >= 0) {
    label = line.Substring(0, p);
    value = line.Substring(p + 1);
  } else {
    label = line;
    value = "Missing Value";
  }
  for (PMString* part : {&label, &value}) {
    RemoveSeparatorEscapes(*part, "\\", ":", 0, part->CharCount());
    RemoveSeparatorEscapes(*part, "\\", ",", 0, part->CharCount());
  }
}

int32 RemoveSeparatorEscapes(PMString& string, const PMString& escape, const PMString& separator,
                             int32 start, int32 end) {
  if (string.IsEmpty() || separator.IsEmpty()) return 0;
  PMString pattern = escape;
  pattern.Append(separator);
  int32 count = 0;
  int32 p = string.IndexOfString(pattern, start);
  while (p >= 0 && p < end) {
    string.GetUTF16Mutable().erase(static_cast<size_t>(p), static_cast<size_t>(escape.CharCount()));
    ++count;
    p = string.IndexOfString(pattern, p + separator.CharCount());
  }
  return count;
}

// The 8-bit C string of a text and its length up to the NUL, as GetCString gives it.
std::string CString(const PMString& text) {
  std::vector<char> buffer(static_cast<size_t>(text.CharCount()) + 1);
  text.GetCString(buffer.data(), static_cast<int32>(buffer.size()));
  return std::string(buffer.data(), std::strlen(buffer.data()));
}

void TrimWhiteSpace(PMString& text) {
  std::u16string& units = text.GetUTF16Mutable();
  while (!units.empty() && PMString::IsWhiteSpaceChar(units.back())) units.pop_back();
  size_t first = 0;
  while (first < units.size() && PMString::IsWhiteSpaceChar(units[first])) ++first;
  units.erase(0, first);
}

void PutU32(std::string& bytes, size_t at, uint32 value) {
  std::memcpy(&bytes[at], &value, sizeof value);
}

}  // namespace

void ReadHeaderAttributes(const PMString& text, int16* type, int16* scope, PMString& name) {
  const char* kTypes[] = {"type=\"labels\"",  "type=\"index\"",  "type=\"mfgindex\"",
                          "type=\"auxkeys\"", "type=\"pellow\"", "type=\"shared_pellow\""};
  const struct {
    const char* literal;
    int16 value;
  } kScopes[] = {{"scope=\"document\"", 3},
                 {"scope=\"spread\"", 2},
                 {"scope=\"page\"", 1},
                 {"scope=\"frame\"", 0},
                 {"scope=\"global\"", 4}};
  for (int16 value = 0; type && value < 6; ++value) {
    if (text.IndexOfString(kTypes[value]) >= 0) {
      *type = value;
      break;
    }
  }
  for (const auto& s : kScopes) {
    if (scope && text.IndexOfString(s.literal) >= 0) {
      *scope = s.value;
      break;
    }
  }
  int32 p = text.IndexOfString("name=\"");
  while (p > 0 && text[p - 1] == '_') p = text.IndexOfString("name=\"", p + 1);
  if (p < 0) return;
  const int32 q = text.IndexOfString("\"", p + 6);
  const int32 s = text.IndexOfString("/>");
  if (q >= 0 && q < s) name = text.Substring(p + 6, q - p - 6);
}

std::string ParseDataFrameEntries(PMString& text, int16 type) {
  std::string block(16, '\0');
  PutU32(block, 4, 1);
  PutU32(block, 8, static_cast<uint32>(static_cast<int32>(type)));
  CutComments(text);
  uint32 count = 0;
  if (type == 0) {
    int32 cursor = 0;
    while (PMString* line = NextEntryLine(text, cursor)) {
      std::unique_ptr<PMString> owned(line);
      PMString label, value;
      SplitEntryLine(*line, label, value);
      if (label.IsEmpty() && value.IsEmpty()) continue;
      TrimWhiteSpace(label);
      TrimWhiteSpace(value);
      std::string labelBytes = CString(label);
      std::string valueBytes = CString(value);
      std::string entry(4, '\0');
      PutU32(entry, 0, static_cast<uint32>(4 + labelBytes.size() + 1 + valueBytes.size() + 1));
      entry += labelBytes;
      entry.push_back('\0');
      entry += valueBytes;
      entry.push_back('\0');
      block += entry;  // a new, larger block for every entry
      ++count;
    }
  }
  PutU32(block, 0, static_cast<uint32>(block.size()));
  PutU32(block, 12, count);
  return block;
}

}  // namespace Reference
