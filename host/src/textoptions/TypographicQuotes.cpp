#include "TypographicQuotes.h"

#include "IDataBase.h"
#include "IDocument.h"
#include "ITextModel.h"
#include "ITextOptions.h"
#include "InterfacePtr.h"

namespace {

constexpr textchar kStraightQuote = u'"';
constexpr textchar kOpeningQuote = 0x201C;
constexpr textchar kClosingQuote = 0x201D;

bool OpensAfter(textchar c) {
  switch (c) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'=':
      return true;
    default:
      return false;
  }
}

bool IsOnFor(const ITextModel& story) {
  IDataBase* db = ::GetDataBase(&story);
  if (!db) return false;
  InterfacePtr<IDocument> document(db, db->GetRootUID(), IID_IDOCUMENT);
  InterfacePtr<ITextOptions> options(document ? document->GetWorkspaceRef() : UIDRef(),
                                     ITextOptions::kDefaultIID);
  return options && options->GetTypographersQuotes();
}

}  // namespace

namespace TypographicQuotes {

WideString MakeTypographic(const WideString& text, bool atStoryStart, textchar before) {
  std::u16string units = text.GetUTF16();
  bool opens = atStoryStart || OpensAfter(before);
  for (textchar& c : units) {
    if (c == kStraightQuote) c = opens ? kOpeningQuote : kClosingQuote;
    opens = OpensAfter(c);
  }
  return WideString(std::move(units));
}

WideString AsInserted(const ITextModel& story, int32 position, const WideString& text) {
  if (!IsOnFor(story)) return text;
  if (position <= 0) return MakeTypographic(text, true, 0);
  return MakeTypographic(text, false, story.GetCodeUnit(position - 1));
}

}  // namespace TypographicQuotes
