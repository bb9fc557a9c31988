#include "dataframe/parser/HeaderReader.h"

#include <string>

namespace {

constexpr int16 kTypeReadingOrder[] = {kDataFrameTypeLabels,   kDataFrameTypeIndex,
                                       kDataFrameTypeMfgIndex, kDataFrameTypeAuxKeys,
                                       kDataFrameTypePellow,   kDataFrameTypeSharedPellow};
constexpr int16 kScopeReadingOrder[] = {kDataFrameScopeDocument, kDataFrameScopeSpread,
                                        kDataFrameScopePage, kDataFrameScopeFrame,
                                        kDataFrameScopeGlobal};

// The literals keyword="value" of one attribute, split where the reader meets them: the
// keyword and "=" before a quote, and each value with its closing quote after it, in reading
// order. Built once.
template <size_t N>
struct AttributeLiterals {
  AttributeLiterals(const char* keyword, const int16 (&readingOrder)[N], const char* const* values)
      : prefix(PMString(keyword).GetUTF16() + u"="), order(readingOrder) {
    for (size_t rank = 0; rank < N; ++rank) {
      quotedValues[rank] = PMString(values[order[rank]]).GetUTF16() + u"\"";
    }
  }
  std::u16string prefix;
  std::u16string quotedValues[N];
  const int16 (&order)[N];
};

// Whether the literal stands in the text at the position (at most the text's size).
bool Holds(const std::u16string& text, size_t at, const std::u16string& literal) {
  return literal.size() <= text.size() - at &&
         std::char_traits<char16_t>::compare(text.data() + at, literal.data(), literal.size()) == 0;
}

// One attribute of the header. Its value is that of the first literal in its reading order that
// occurs anywhere in the text.
template <size_t N>
class AttributeSearch {
 public:
  AttributeSearch(const AttributeLiterals<N>& literals, int16* result)
      : fLiterals(literals), fResult(result) {}

  // Whether the search can still change its result: it is asked for, and the literal that comes
  // first in the order has not been met yet.
  bool Open() const { return fResult && fBest != 0; }

  // Looks at the literal whose opening quote is at the position, if it is one of this attribute.
  void LookAt(const std::u16string& text, size_t quote) {
    const std::u16string& prefix = fLiterals.prefix;
    if (quote < prefix.size() || !Holds(text, quote - prefix.size(), prefix)) return;
    for (size_t rank = 0; rank < fBest; ++rank) {
      if (Holds(text, quote + 1, fLiterals.quotedValues[rank])) fBest = rank;
    }
  }

  void SetResult() const {
    if (fResult && fBest < N) *fResult = fLiterals.order[fBest];
  }

 private:
  const AttributeLiterals<N>& fLiterals;
  int16* fResult;
  size_t fBest = N;  // the rank of the first literal met in the order, N for none
};

}  // namespace

void StraightenQuotes(PMString& text) {
  const textchar closingQuote = PlatformEncoding::DecodeByte(0xD3);
  // Most texts hold none: the quotes are searched for, and only they are written.
  std::u16string& units = text.GetUTF16Mutable();
  for (size_t at = UnicodeSavvyString::FindUnits(units, &closingQuote, 1, 0);
       at != std::u16string::npos;
       at = UnicodeSavvyString::FindUnits(units, &closingQuote, 1, at + 1)) {
    units[at] = '"';
  }
}

void ReadHeaderAttributes(const PMString& text, DataFrameType* type, DataFrameScope* scope,
                          PMString& name) {
  // Every literal's value begins after a quote, and so does the name's: one pass over the quotes
  // of the text finds each literal that occurs, however many there are to try and wherever they
  // stand, and the name with the quote that closes it. It ends early once the first literal of
  // each order is met and the name is closed.
  static const AttributeLiterals kTypes("type", kTypeReadingOrder, kDataFrameTypeKeywords);
  static const AttributeLiterals kScopes("scope", kScopeReadingOrder, kDataFrameScopeKeywords);
  // name=" without its quote.
  static const std::u16string kNameKeyword = [] {
    std::u16string opener = PMString(kDataFrameNameOpener).GetUTF16();
    opener.pop_back();
    return opener;
  }();
  AttributeSearch typeSearch(kTypes, type);
  AttributeSearch scopeSearch(kScopes, scope);
  const std::u16string& units = text.GetUTF16();
  int32 nameOpened = -1;  // the quote after the first name= not preceded by "_"
  int32 nameClosed = -1;  // the next quote after it
  for (int32 quote = text.IndexOfWChar('"');
       quote >= 0 && (typeSearch.Open() || scopeSearch.Open() || nameClosed < 0);
       quote = text.IndexOfWChar('"', quote + 1)) {
    const size_t at = static_cast<size_t>(quote);
    if (typeSearch.Open()) typeSearch.LookAt(units, at);
    if (scopeSearch.Open()) scopeSearch.LookAt(units, at);
    if (nameOpened >= 0) {
      if (nameClosed < 0) nameClosed = quote;
    } else if (at >= kNameKeyword.size() && Holds(units, at - kNameKeyword.size(), kNameKeyword)) {
      // Not preceded by "_", so that match_name="true" is never read as a name.
      const size_t keyword = at - kNameKeyword.size();
      if (keyword == 0 || units[keyword - 1] != '_') nameOpened = quote;
    }
  }
  typeSearch.SetResult();
  scopeSearch.SetResult();

  if (nameClosed < 0) return;
  static const PMString closer(kDataFrameHeaderCloser);
  if (nameClosed < text.IndexOfString(closer)) {
    name = text.Substring(nameOpened + 1, nameClosed - nameOpened - 1);
  }
}

int32 DataFrameBodyStart(const PMString& text) {
  static const PMString closer(kDataFrameHeaderCloser);
  static const PMString openerText(kDataFrameHeaderOpener);
  int32 opener = text.IndexOfString(openerText);
  int32 headerEnd = opener < 0 ? -1 : text.IndexOfString(closer, opener);
  return headerEnd < 0 ? 0 : headerEnd + closer.CharCount();
}
