#include "tagdata/DataFrameComposer.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// Indexed by type. Kept whole, one hint a line, so that each reads as the text it writes.
// clang-format off
constexpr const char* kEntryHints[kDataFrameTypeCount] = {
    "<!-- Enter one Label,Value or Label:Value per line -->",
    "<!-- Enter one entry as Level1,Level2,Level3,Level4 or Level1:Level2:Level3:Level4 per line -->",
    "<!-- Enter one MFG Name per line -->",
    "<!-- Enter one AuxKey per line -->",
    "<!-- Optional: Enter one Label,Value or Label:Value per line -->",
    "<!-- Optional: Enter one Label,Value or Label:Value per line -->",
};
// clang-format on

template <int N>
const char* Keyword(const char* const (&keywords)[N], int16 value) {
  return value >= 0 && value < N ? keywords[value] : kDataFrameUnknownKeyword;
}

void AppendAttribute(PMString& text, const char* key, const char* value) {
  text.Append(" ");
  text.Append(key);
  text.Append("=\"");
  text.Append(value);
  text.Append("\"");
}

bool TakesMatchAttributes(DataFrameType type) {
  return type == kDataFrameTypePellow || type == kDataFrameTypeSharedPellow;
}

}  // namespace

WideString ComposeDataFrameText(DataFrameType type, DataFrameScope scope, const PMString& name,
                                bool16 matchFrameID, bool16 matchGroup, bool16 matchName,
                                bool16 entryHint) {
  PMString text(kDataFrameHeaderOpener);
  AppendAttribute(text, "type", Keyword(kDataFrameTypeKeywords, type));
  AppendAttribute(text, "scope", Keyword(kDataFrameScopeKeywords, scope));
  if (!name.IsEmpty()) {
    text.Append(" ");
    text.Append(kDataFrameNameOpener);
    text.Append(name);
    text.Append("\"");
  }
  if (TakesMatchAttributes(type)) {
    if (matchFrameID) AppendAttribute(text, "match_frame_id", "true");
    if (matchGroup) AppendAttribute(text, "match_group", "true");
    if (matchName) AppendAttribute(text, "match_name", "true");
  }
  text.Append(kDataFrameHeaderCloser);
  text.Append(kLineEnd);
  if (entryHint && type >= 0 && type < kDataFrameTypeCount) {
    text.Append(kEntryHints[type]);
    text.Append(kLineEnd);
  }
  return WideString(text);
}
