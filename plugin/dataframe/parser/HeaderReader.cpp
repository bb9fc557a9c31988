#include "dataframe/parser/HeaderReader.h"

namespace {

// The attribute literal keyword="value" as it stands in a header.
PMString AttributeLiteral(const char* keyword, const char* value) {
  PMString literal(keyword);
  literal.Append("=\"");
  literal.Append(value);
  literal.Append("\"");
  return literal;
}

// Sets the result to the value of the first literal, in the order given, that occurs anywhere in
// the text; leaves it when none does.
template <size_t N>
void FindFirstLiteral(const PMString& text, const char* keyword, const int16 (&order)[N],
                      const char* const* keywords, int16* result) {
  for (int16 value : order) {
    if (text.IndexOfString(AttributeLiteral(keyword, keywords[value])) >= 0) {
      *result = value;
      return;
    }
  }
}

constexpr int16 kTypeReadingOrder[] = {kDataFrameTypeLabels,   kDataFrameTypeIndex,
                                       kDataFrameTypeMfgIndex, kDataFrameTypeAuxKeys,
                                       kDataFrameTypePellow,   kDataFrameTypeSharedPellow};
constexpr int16 kScopeReadingOrder[] = {kDataFrameScopeDocument, kDataFrameScopeSpread,
                                        kDataFrameScopePage, kDataFrameScopeFrame,
                                        kDataFrameScopeGlobal};

}  // namespace

void StraightenQuotes(PMString& text) {
  const textchar closingQuote = PlatformEncoding::DecodeByte(0xD3);
  for (textchar& c : text.GetUTF16Mutable()) {
    if (c == closingQuote) c = '"';
  }
}

void ReadHeaderAttributes(const PMString& text, DataFrameType* type, DataFrameScope* scope,
                          PMString& name) {
  if (type) FindFirstLiteral(text, "type", kTypeReadingOrder, kDataFrameTypeKeywords, type);
  if (scope) FindFirstLiteral(text, "scope", kScopeReadingOrder, kDataFrameScopeKeywords, scope);

  // The first name=" not preceded by "_", so that match_name="true" is never read as a name.
  const PMString opener(kDataFrameNameOpener);
  int32 at = text.IndexOfString(opener);
  while (at > 0 && text[at - 1] == '_') at = text.IndexOfString(opener, at + 1);
  if (at < 0) return;
  int32 valueStart = at + opener.CharCount();
  int32 closingQuote = text.IndexOfWChar('"', valueStart);
  int32 headerEnd = text.IndexOfString(PMString(kDataFrameHeaderCloser));
  if (closingQuote >= 0 && closingQuote < headerEnd) {
    name = text.Substring(valueStart, closingQuote - valueStart);
  }
}

int32 DataFrameBodyStart(const PMString& text) {
  const PMString closer(kDataFrameHeaderCloser);
  int32 opener = text.IndexOfString(PMString(kDataFrameHeaderOpener));
  int32 headerEnd = opener < 0 ? -1 : text.IndexOfString(closer, opener);
  return headerEnd < 0 ? 0 : headerEnd + closer.CharCount();
}
