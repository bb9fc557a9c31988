#include "check/DataFrameCheck.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <type_traits>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "check/KeptOrigins.h"
#include "check/LabelLines.h"
#include "check/MessageText.h"
#include "check/TextLines.h"
#include "dataframe/parser/CommentCutter.h"
#include "dataframe/parser/EntryLineRules.h"
#include "dataframe/parser/HeaderReader.h"
#include "platform/Platform.h"
#include "text/OutputText.h"

using namespace EntryLineRules;

namespace {

constexpr size_t kNone = std::u16string::npos;
constexpr textchar kClosingTypographicQuote = 0x201D;

// A finding while the text is read: its place as a position in the text; lines and columns are
// counted when it is reported.
struct Place {
  size_t at;
  size_t last;  // the position whose line ends what the finding is about
  FindingSeverity severity;
  const char* code;
  MessageText message;
};

std::string CodePoint(UTF32TextChar c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
  return buffer;
}

// Whether any of four units in a word is below 0x0E, or is the typographic closing quote.
bool HasUnitBelow0E(uint64 four) {
  return ((four - 0x000E000E000E000Eu) & ~four & 0x8000800080008000u) != 0;
}
bool HasQuote(uint64 four) {
  const uint64 x = four ^ 0x201D201D201D201Du;
  return ((x - 0x0001000100010001u) & ~x & 0x8000800080008000u) != 0;
}

#if defined(__SSE2__) || defined(_M_X64)
// The same test for eight units, by vector compares.
bool HasUnitBelow0EOrQuoteOfEight(const textchar* p) {
  const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i zero = _mm_setzero_si128();
  const __m128i low = _mm_cmpeq_epi16(_mm_subs_epu16(units, _mm_set1_epi16(0x0D)), zero);
  const __m128i quote = _mm_cmpeq_epi16(units, _mm_set1_epi16(0x201D));
  return _mm_movemask_epi8(_mm_or_si128(low, quote)) != 0;
}
#endif

bool IsBlank(textchar c) {
  return c == ' ' || c == '\t';
}

bool IsWordUnit(textchar c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

class Checker {
 public:
  Checker(const PMString& text, const CheckOptions& options, const FindingSink& sink)
      : fRaw(text.GetUTF16()),
        fText(fWork.GetUTF16()),
        fOptions(options),
        fSink(sink),
        fLines(fRaw),
        fReported(fLines),
        fWalked(fLines) {
    std::u16string& work = fWork.GetUTF16Mutable();
    work.reserve(fRaw.size());
    Platform::PreferLargePages(work.data(), work.capacity() * sizeof(char16_t));
    work = fRaw;
  }

  void Run();

 private:
  // Findings about the whole text go to the early list, which is ordered once the header is
  // read; the findings of each body line are gathered, ordered and reported with the early ones
  // that stand before them, so that all are reported in the order of their places.
  MessageText& Add(std::vector<Place>& into, size_t& used, size_t at, size_t last,
                   FindingSeverity severity, const char* code) {
    if (used == into.size()) into.emplace_back();
    Place& place = into[used++];
    place.at = at;
    place.last = last;
    place.severity = severity;
    place.code = code;
    place.message = "";
    return place.message;
  }
  MessageText& Early(size_t at, size_t last, FindingSeverity severity, const char* code) {
    return Add(fEarly, fEarlyCount, at, last, severity, code);
  }
  MessageText& OnLine(size_t at, size_t last, FindingSeverity severity, const char* code) {
    return Add(fLine, fLineCount, at, last, severity, code);
  }
  MessageText& Warn(size_t at, const char* code) {
    return OnLine(at, at, FindingSeverity::kWarning, code);
  }
  MessageText& Note(size_t at, const char* code) {
    return OnLine(at, at, FindingSeverity::kNote, code);
  }
  std::string Where(size_t at) const {
    LineCursor cursor(fLines);
    return std::to_string(cursor.Line(at)) + ":" + std::to_string(cursor.Column(at));
  }
  void Report(const Place& place) {
    const uint32 line = fReported.Line(place.at);
    const uint32 column = fReported.Column(place.at);
    const uint32 last = place.last == place.at ? line : std::max(line, fLines.Line(place.last));
    fSink(CheckFinding{line, column, last, place.severity, place.code, place.message.View()});
  }
  void ReportEarlyUpTo(size_t at) {
    while (fEarlyReported < fEarlyCount && fEarly[fEarlyReported].at <= at) {
      Report(fEarly[fEarlyReported++]);
    }
  }
  void ReportLine() {
    const auto end = fLine.begin() + static_cast<ptrdiff_t>(fLineCount);
    const auto before = [](const Place& a, const Place& b) { return a.at < b.at; };
    if (!std::is_sorted(fLine.begin(), end, before)) std::stable_sort(fLine.begin(), end, before);
    for (size_t i = 0; i < fLineCount; ++i) {
      ReportEarlyUpTo(fLine[i].at);
      Report(fLine[i]);
    }
    fLineCount = 0;
  }

  void Prepare();
  void CheckHeader();
  void CheckAttributeForms(size_t from, size_t to);
  void CheckDecidingLiteral(const char* what, const char* keyword, const char* value);
  void CheckName();
  void CheckBody();
  void CheckLine(const EntryLine& line, const std::u16string& body, KeptOrigins& origins);
  void CheckEntry(const EntryLine& line, const std::u16string& body, KeptOrigins& origins,
                  size_t first);
  void CheckHiddenSeparator(const EntryLine& line, const std::u16string& body, KeptOrigins& origins,
                            size_t first, size_t last);

  // The text as given, and the copy that is read: quotes straightened, then cut as the body is
  // read. Until then fText is the copy; places in findings are those of both.
  const std::u16string& fRaw;
  PMString fWork;
  const std::u16string& fText;
  const CheckOptions& fOptions;
  const FindingSink& fSink;
  LineIndex fLines;
  LineCursor fReported;  // the places reported, in order
  LineCursor fWalked;    // the places the body walk is at
  std::vector<Place> fEarly;
  size_t fEarlyCount = 0;
  size_t fEarlyReported = 0;
  std::vector<Place> fLine;
  size_t fLineCount = 0;
  DataFrameHeader fHeader;
  size_t fOpener = kNone;  // "<dataframe"
  size_t fCloser = kNone;  // the "/>" after it
  size_t fBodyStart = 0;
  DataFrameType fType = kDataFrameTypeUnknown;  // the type the entries are read as
  LabelLines fLabels;
  std::string fScratch;
};

// One pass over the copy: its line starts are noted, and its typographic closing quotes, which
// are straightened as the reader straightens them.
void Checker::Prepare() {
  std::u16string& text = fWork.GetUTF16Mutable();
  const size_t size = text.size();
  for (size_t i = 0; i < size; ++i) {
    // Eight or four units at a time while none is below 0x0E (where CR and LF are) or the
    // quote: most of any text.
#if defined(__SSE2__) || defined(_M_X64)
    while (i + 8 <= size && !HasUnitBelow0EOrQuoteOfEight(&text[i])) i += 8;
#endif
    uint64 four;
    while (i + 4 <= size &&
           (std::memcpy(&four, &text[i], 8), !(HasUnitBelow0E(four) || HasQuote(four)))) {
      i += 4;
    }
    if (i == size) break;
    const textchar c = text[i];
    if (c == kClosingTypographicQuote) {
      text[i] = '"';
      Early(i, i, FindingSeverity::kNote, "DF401") =
          "typographic quote \xE2\x80\x9D is read as a straight \"";
    } else if (c == kCR || c == kLF) {
      if (c == kCR && i + 1 < size && text[i + 1] == kLF) ++i;
      fLines.AddStart(i + 1);
    }
  }
}

void Checker::CheckHeader() {
  fOpener = UnicodeSavvyString::FindUnits(fText, u"<dataframe", 10, 0);
  fCloser = fOpener == kNone ? kNone : UnicodeSavvyString::FindUnits(fText, u"/>", 2, fOpener);
  // Findings about the whole data frame stand at its header, or at the start when the header
  // does not close and all of the text is the body.
  const size_t headerAt = fCloser == kNone ? 0 : fOpener;
  const size_t end = fText.empty() ? 0 : fText.size() - 1;
  if (fOpener == kNone) {
    Early(0, 0, FindingSeverity::kWarning, "DF101") =
        "no header: the text has no \"<dataframe\", so all of it is the body";
  } else if (fCloser == kNone) {
    Early(fOpener, fOpener, FindingSeverity::kWarning, "DF102") =
        "header not closed by \"/>\": all of the text is the body, the header line included";
  } else {
    size_t first = 0;
    while (first < fOpener && PMString::IsWhiteSpaceChar(fText[first])) ++first;
    if (first < fOpener) {
      Early(first, fOpener - 1, FindingSeverity::kWarning, "DF103") =
          "text before the header is not part of the body: it gives no entries";
    }
    CheckAttributeForms(fOpener, fCloser);
  }

  if (fOptions.typeGiven) {
    fType = fOptions.type;
  } else if (fHeader.type == kDataFrameTypeUnknown) {
    Early(headerAt, end, FindingSeverity::kWarning, "DF105") =
        "no type: none of type=\"labels\", type=\"index\", type=\"mfgindex\", "
        "type=\"auxkeys\", type=\"pellow\", type=\"shared_pellow\" occurs, so the text gives no "
        "entries";
  } else {
    fType = fHeader.type;
    CheckDecidingLiteral("type", "type", kDataFrameTypeKeywords[fHeader.type]);
  }
  if (fType != kDataFrameTypeUnknown && fType != kDataFrameTypeLabels) {
    const std::string name = fType >= 0 && fType < kDataFrameTypeCount
                                 ? JsonQuote(std::string(kDataFrameTypeKeywords[fType]))
                                 : std::to_string(fType);
    Early(headerAt, end, FindingSeverity::kNote, "DF106")
        .AppendAll("type ", name, " gives no entries: only labels data frames hand out entries");
  }

  if (fHeader.scope == kDataFrameScopeUnknown) {
    Early(headerAt, headerAt, FindingSeverity::kWarning, "DF107") =
        "no scope: none of scope=\"document\", scope=\"spread\", scope=\"page\", "
        "scope=\"frame\", scope=\"global\" occurs, so the data frame applies to no page item";
  } else {
    CheckDecidingLiteral("scope", "scope", kDataFrameScopeKeywords[fHeader.scope]);
    if (fHeader.scope == kDataFrameScopeFrame || fHeader.scope == kDataFrameScopeGlobal) {
      Early(headerAt, headerAt, FindingSeverity::kNote, "DF108")
          .AppendAll("scope \"", kDataFrameScopeKeywords[fHeader.scope],
                     "\" applies to no page item: only page, spread and document data frames are "
                     "gathered");
    }
  }
  CheckName();
}

// Words type, scope and name followed by "=" in the header that the reader does not take for the
// attribute: capitals, blanks around "=", other quote marks, unknown values.
void Checker::CheckAttributeForms(size_t from, size_t to) {
  for (size_t at = from; at < to; ++at) {
    if (!IsWordUnit(fText[at]) || (at > 0 && IsWordUnit(fText[at - 1]))) continue;
    size_t end = at;
    while (end < to && IsWordUnit(fText[end])) ++end;
    std::string word;
    for (size_t i = at; i < end; ++i) word += static_cast<char>(fText[i]);
    std::string lower = word;
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    size_t equals = end;
    while (equals < to && IsBlank(fText[equals])) ++equals;
    const size_t wordAt = at;
    at = end - 1;
    if ((lower != "type" && lower != "scope" && lower != "name") || equals >= to ||
        fText[equals] != '=') {
      continue;
    }
    size_t quote = equals + 1;
    while (quote < fText.size() && IsBlank(fText[quote])) ++quote;
    const auto warn = [&]() -> MessageText& {
      return Early(wordAt, wordAt, FindingSeverity::kWarning, "DF104");
    };
    if (word != lower) {
      warn().AppendAll("the attribute ", word, " is not read: attribute names are lowercase (",
                       lower, "=)");
    } else if (equals != end || quote != equals + 1) {
      warn().AppendAll("the attribute ", word, " is not read: no blanks are allowed around \"=\"");
    } else if (quote >= fText.size() || fText[quote] != '"') {
      const textchar mark = quote < fText.size() ? fText[quote] : 0;
      const bool quoteMark =
          mark == '\'' || (mark >= 0x2018 && mark <= 0x201F) || mark == 0xAB || mark == 0xBB;
      warn().AppendAll("the attribute ", word,
                       " is not read: its value must be in straight double quotes",
                       quoteMark ? ", not " + JsonQuote(std::u16string(1, mark)) : "");
    } else if (lower != "name") {
      const size_t close = fText.find(u'"', quote + 1);
      const std::u16string value =
          fText.substr(quote + 1, close == kNone ? kNone : close - quote - 1);
      const bool isType = lower == "type";
      const char* const* keywords = isType ? kDataFrameTypeKeywords : kDataFrameScopeKeywords;
      const int count = isType ? kDataFrameTypeCount : kDataFrameScopeCount;
      bool known = value == u"unknown";
      std::string list;
      for (int i = 0; i < count; ++i) {
        known = known || PMString(keywords[i]).GetUTF16() == value;
        list += i ? ", " : "";
        list += keywords[i];
      }
      if (!known)
        warn().AppendAll("unknown ", lower, " ", JsonQuote(value), ": it is one of ", list);
    }
  }
}

// The literal that decides an attribute should be the header's own.
void Checker::CheckDecidingLiteral(const char* what, const char* keyword, const char* value) {
  if (fCloser == kNone) return;
  const std::u16string literal =
      PMString(keyword).GetUTF16() + u"=\"" + PMString(value).GetUTF16() + u"\"";
  const size_t inHeader =
      UnicodeSavvyString::FindUnits(fText, literal.data(), literal.size(), fOpener);
  if (inHeader != kNone && inHeader + literal.size() <= fCloser) return;
  const size_t first = UnicodeSavvyString::FindUnits(fText, literal.data(), literal.size(), 0);
  Early(fOpener, fOpener, FindingSeverity::kWarning, "DF109")
      .AppendAll("the ", what, " is read from ", PMString(literal).GetUTF8String(), " at ",
                 Where(first), ", outside the header");
}

void Checker::CheckName() {
  const std::u16string opener = u"name=\"";
  size_t at = UnicodeSavvyString::FindUnits(fText, opener.data(), opener.size(), 0);
  while (at != kNone && at > 0 && fText[at - 1] == '_') {
    at = UnicodeSavvyString::FindUnits(fText, opener.data(), opener.size(), at + 1);
  }
  if (at == kNone) return;
  const size_t valueStart = at + opener.size();
  const size_t close = fText.find(u'"', valueStart);
  const size_t firstCloser = UnicodeSavvyString::FindUnits(fText, u"/>", 2, 0);
  const auto warn = [&](size_t where, const char* code) -> MessageText& {
    return Early(where, where, FindingSeverity::kWarning, code);
  };
  if (close == kNone) {
    warn(at, "DF111") = "the name is not read: it has no closing quote";
  } else if (firstCloser == kNone) {
    warn(at, "DF111") =
        "the name is not read: a name counts only before a \"/>\", and there is none";
  } else if (close > firstCloser) {
    warn(at, "DF111") = "the name is not read: its closing quote comes after the first \"/>\"";
  } else if (close + 1 < fText.size() && !IsBlank(fText[close + 1]) && fText[close + 1] != '/' &&
             fText[close + 1] != '>' && fText[close + 1] != kCR && fText[close + 1] != kLF) {
    warn(close, "DF110")
        .AppendAll("the name ends at this quote: it is read as ",
                   JsonQuote(fText.substr(valueStart, close - valueStart)),
                   " and the rest is ignored");
  }
}

void Checker::CheckBody() {
  std::u16string& body = fWork.GetUTF16Mutable();
  CommentCuts cuts;
  CutComments(body, &cuts, fBodyStart);
  KeptOrigins origins(cuts, fBodyStart, body.size());
  if (fType == kDataFrameTypeLabels) {
    ForEachEntryLine(body, [&](const EntryLine& line) {
      CheckLine(line, body, origins);
      ReportLine();
    });
  }
  if (cuts.unclosed) {
    const size_t opener = origins.UnclosedStart();
    MessageText& message = OnLine(opener, fRaw.size() - 1, FindingSeverity::kWarning, "DF201");
    message = "comment never closed: it swallows the rest of the text";
    const uint32 first = fLines.Line(opener);
    const uint32 last = fLines.LastLine();
    if (last > first) message.AppendAll(", lines ", first, " to ", last);
    ReportLine();
  }
}

void Checker::CheckLine(const EntryLine& line, const std::u16string& body, KeptOrigins& origins) {
  const size_t begin = static_cast<size_t>(line.begin - body.data());
  const size_t end = static_cast<size_t>(line.scan.lineEnd - body.data());
  size_t first = begin;
  while (first + 1 < end && IsWhiteSpace(body[first])) ++first;
  size_t last = end - 1;
  while (last > first && IsWhiteSpace(body[last])) --last;
  const size_t firstAt = origins.Of(first);
  const size_t lastAt = origins.Of(last);
  if (lastAt - firstAt != last - first) {
    const uint32 firstLine = fWalked.Line(firstAt);
    const uint32 lastLine = fLines.Line(lastAt);
    if (firstLine != lastLine) {
      const size_t cut = origins.FirstCutBetween(first, last);
      OnLine(cut == kNone ? firstAt : cut, lastAt, FindingSeverity::kWarning, "DF202")
          .AppendAll("comment joins lines ", firstLine, " to ", lastLine,
                     ": they are read as one line");
    }
    CheckHiddenSeparator(line, body, origins, begin, end - 1);
  }
  if (!line.entry) {
    Note(origins.Of(begin), "DF301") = "the line holds only a separator: it gives no entry";
    return;
  }
  CheckEntry(line, body, origins, first);
}

void Checker::CheckEntry(const EntryLine& line, const std::u16string& body, KeptOrigins& origins,
                         size_t first) {
  const EntryFields& entry = *line.entry;
  const auto at = [&](const textchar* p) {
    return origins.Of(static_cast<size_t>(p - body.data()));
  };
  const bool hasSeparator = line.scan.separator != line.scan.lineEnd;
  if (!hasSeparator) {
    Warn(origins.Of(first), "DF302") =
        entry.label.IsEmpty() ? "a line of only white space gives an entry with an empty label "
                                "and the value \"Missing Value\""
                              : "no separator: the entry gets the value \"Missing Value\"";
  } else if (entry.label.IsEmpty()) {
    Warn(at(line.scan.separator), "DF307") = "the entry's label is empty";
  }

  struct Part {
    const char* name;
    Field untrimmed;
    Field trimmed;
  };
  const Part parts[] = {
      {"label", Field{line.begin, line.scan.separator}, entry.label},
      {"value",
       Field{hasSeparator ? line.scan.separator + 1 : line.scan.lineEnd, line.scan.lineEnd},
       hasSeparator ? entry.value : Field{line.scan.lineEnd, line.scan.lineEnd}},
  };
  for (const Part& part : parts) {
    // White space other than blanks, cut from either end.
    for (const Field& cut : {Field{part.untrimmed.begin, part.trimmed.begin},
                             Field{part.trimmed.end, part.untrimmed.end}}) {
      for (const textchar* p = cut.begin; p < cut.end; ++p) {
        if (*p == ' ') continue;
        Note(at(p), "DF305")
            .AppendAll("white space ", CodePoint(*p), " is trimmed from the ", part.name);
        break;
      }
    }
    if (entry.ascii) continue;
    for (const textchar* p = part.trimmed.begin; p < part.trimmed.end; ++p) {
      const textchar c = *p;
      if (c == 0) {
        Warn(at(p), "DF306")
            .AppendAll("a NUL character ends the ", part.name, ": what follows it is lost");
        break;
      }
      if (IsSeparatorEscape(p, part.trimmed.end)) {
        const char separator[] = {static_cast<char>(p[1]), 0};
        Note(at(p), "DF303")
            .AppendAll("\"\\", separator, "\" becomes \"", separator, "\" in the ", part.name);
        ++p;
        continue;
      }
      if (c < 0x80) continue;
      const bool pair = c >= 0xD800 && c <= 0xDBFF && p + 1 < part.trimmed.end && p[1] >= 0xDC00 &&
                        p[1] <= 0xDFFF;
      if (pair || EncodeChar(c) == '?') {
        const UTF32TextChar scalar = pair ? 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00) : c;
        Warn(at(p), "DF402")
            .AppendAll("character ", CodePoint(scalar),
                       " has no 8-bit form: it becomes \"?\" in the ", part.name);
      }
      if (pair) ++p;
    }
  }

  fScratch.resize(entry.labelBytes);
  if (entry.ascii) {
    NarrowAscii(entry.label.begin, entry.labelBytes, reinterpret_cast<uint8*>(&fScratch[0]));
  } else if (entry.labelBytes) {
    EncodeField<true>(entry.label, reinterpret_cast<uint8*>(&fScratch[0]));
  }
  const size_t labelAt = at(entry.label.IsEmpty() ? line.begin : entry.label.begin);
  const uint32 firstLine = fLabels.FindOrAdd(fScratch, fWalked.Line(labelAt));
  if (firstLine != 0) {
    MessageText& message = Warn(labelAt, "DF304");
    message += "the label \"";
    message.AppendPlatformText(reinterpret_cast<const uint8*>(fScratch.data()), fScratch.size());
    message.AppendAll("\" was given before, on line ", firstLine, ": both entries are handed out");
  }
}

// The separator an author sees on the line is the first one of its whole text, comments
// included; when that one lies inside a comment, the line is split elsewhere.
void Checker::CheckHiddenSeparator(const EntryLine& line, const std::u16string& body,
                                   KeptOrigins& origins, size_t first, size_t last) {
  const size_t from = origins.Of(first);
  const size_t to = origins.Of(last) + 1;
  const LineScan seen = ScanEntryLine<false>(fRaw.data() + from, fRaw.data() + to);
  const size_t seenAt = static_cast<size_t>(seen.separator - fRaw.data());
  if (seenAt == to) return;
  const size_t readAt = line.scan.separator == line.scan.lineEnd
                            ? kNone
                            : origins.Of(static_cast<size_t>(line.scan.separator - body.data()));
  if (seenAt == readAt || origins.IsKept(seenAt)) return;
  const char mark[] = {static_cast<char>(fRaw[seenAt]), 0};
  MessageText& message = Warn(seenAt, "DF203");
  message.AppendAll("the \"", mark, "\" here is inside a comment: ");
  if (readAt == kNone) {
    message += "the line has no separator";
  } else {
    const char read[] = {static_cast<char>(fRaw[readAt]), 0};
    message.AppendAll("the line is split at the \"", read, "\" at ", Where(readAt));
  }
}

void Checker::Run() {
  Prepare();
  ReadHeaderAttributes(fWork, &fHeader.type, &fHeader.scope, fHeader.name);
  fBodyStart = static_cast<size_t>(DataFrameBodyStart(fWork));
  CheckHeader();
  std::stable_sort(fEarly.begin(), fEarly.begin() + static_cast<ptrdiff_t>(fEarlyCount),
                   [](const Place& a, const Place& b) { return a.at < b.at; });
  CheckBody();
  ReportEarlyUpTo(kNone);
}

}  // namespace

void CheckDataFrameText(const PMString& text, const CheckOptions& options,
                        const FindingSink& sink) {
  Checker(text, options, sink).Run();
}
