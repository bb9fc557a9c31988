#include "UnicodeSavvyString.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace {

constexpr UTF32TextChar kReplacement = 0xFFFD;

bool IsSurrogate(UTF32TextChar c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// Decodes the UTF-8 sequence at p; answers its length in bytes, or 0 when it is not well formed.
size_t DecodeUTF8(const unsigned char* p, const unsigned char* end, UTF32TextChar& c) {
  unsigned char lead = *p;
  if (lead < 0x80) {
    c = lead;
    return 1;
  }
  size_t extra;
  UTF32TextChar minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (static_cast<size_t>(end - p) <= extra) return 0;
  for (size_t i = 1; i <= extra; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    c = (c << 6) | (p[i] & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || IsSurrogate(c)) return 0;
  return extra + 1;
}

}  // namespace

void UnicodeSavvyString::AppendUTF8(std::string& out, UTF32TextChar c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

void UnicodeSavvyString::AppendOtherUTF32TextChar(UTF32TextChar c) {
  if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacement;
  if (c < 0x10000) {
    fText.push_back(static_cast<textchar>(c));
  } else {
    c -= 0x10000;
    fText.push_back(static_cast<textchar>(0xD800 + (c >> 10)));
    fText.push_back(static_cast<textchar>(0xDC00 + (c & 0x3FF)));
  }
}

namespace {

// Whether a unit is common in text: an ASCII letter, digit or blank, or punctuation of prose and
// numbers. Other units (markup's < > = " ! among them) make the better anchors for a search.
bool IsCommonUnit(textchar c) {
  constexpr uint64 kCommonBelow64 = (uint64{1} << ' ') | (uint64{1} << '-') | (uint64{1} << '.') |
                                    (uint64{1} << ',') | (uint64{1} << ':') | (uint64{1} << ';') |
                                    (uint64{1} << '\'') | (uint64{1} << '(') | (uint64{1} << ')') |
                                    (uint64{1} << '/') | (uint64{0x3FF} << '0');
  if (c < 64) return ((kCommonBelow64 >> c) & 1) != 0;
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The first unit u in [p, end) with (u & mask) == value, or end.
const textchar* FindMaskedUnit(const textchar* p, const textchar* end, textchar mask,
                               textchar value) {
#if defined(__SSE2__) || defined(_M_X64)
  // Sixteen units at a time: two vector compares whose results are packed into one mask, tested
  // at once; most blocks hold no such unit.
  const __m128i masks = _mm_set1_epi16(static_cast<short>(mask));
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(value));
  while (end - p >= 16) {
    const __m128i low = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), masks);
    const __m128i high =
        _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8)), masks);
    const __m128i equal =
        _mm_packs_epi16(_mm_cmpeq_epi16(low, wanted), _mm_cmpeq_epi16(high, wanted));
    if (_mm_movemask_epi8(equal) != 0) break;
    p += 16;
  }
#else
  // Blocks of 32 units are compared whole while none matches: a loop compilers turn into vector
  // compares.
  constexpr size_t kBlock = 32;
  while (static_cast<size_t>(end - p) >= kBlock) {
    unsigned any = 0;
    for (size_t i = 0; i < kBlock; ++i) any |= (p[i] & mask) == value;
    if (any) break;
    p += kBlock;
  }
#endif
  while (p != end && (*p & mask) != value) ++p;
  return p;
}

// The first c in [p, end), or end.
const textchar* FindUnit(const textchar* p, const textchar* end, textchar c) {
  return FindMaskedUnit(p, end, 0xFFFF, c);
}

}  // namespace

const textchar* UnicodeSavvyString::FindSurrogate(const textchar* p, const textchar* end) {
  return FindMaskedUnit(p, end, 0xF800, 0xD800);
}

size_t UnicodeSavvyString::FindUnits(const std::u16string& text, const textchar* what,
                                     size_t length, size_t from) {
  if (from > text.size() || length > text.size() - from) return std::u16string::npos;
  if (length == 0) return from;
  // The search runs over one unit of the pattern, its anchor, and compares the whole pattern
  // where the anchor occurs: the last unit that is not common in text (fewer places to compare),
  // else the last unit.
  size_t anchor = length - 1;
  for (size_t i = length; i-- > 0;) {
    if (!IsCommonUnit(what[i])) {
      anchor = i;
      break;
    }
  }
  const textchar* begin = text.data();
  const textchar* last = begin + text.size() - (length - 1 - anchor);
  for (const textchar* p = begin + from + anchor;; ++p) {
    p = FindUnit(p, last, what[anchor]);
    if (p == last) return std::u16string::npos;
    if (std::char_traits<textchar>::compare(p - anchor, what, length) == 0) {
      return static_cast<size_t>(p - anchor - begin);
    }
  }
}

int32 UnicodeSavvyString::IndexOfUnits(const std::u16string& what, int32 pos) const {
  const size_t found =
      FindUnits(fText, what.data(), what.size(), static_cast<size_t>(pos < 0 ? 0 : pos));
  return found == std::u16string::npos ? -1 : static_cast<int32>(found);
}

int32 UnicodeSavvyString::IndexOfUnit(textchar c, int32 pos) const {
  if (pos < 0) pos = 0;
  if (static_cast<size_t>(pos) >= fText.size()) return -1;
  const textchar* end = fText.data() + fText.size();
  const textchar* found = FindUnit(fText.data() + pos, end, c);
  return found == end ? -1 : static_cast<int32>(found - fText.data());
}

std::string UnicodeSavvyString::GetUTF8String() const {
  std::string out;
  out.reserve(fText.size());
  for (size_t i = 0; i < fText.size(); ++i) {
    UTF32TextChar c = fText[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < fText.size() && fText[i + 1] >= 0xDC00 &&
        fText[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (fText[i + 1] - 0xDC00);
      ++i;
    } else if (IsSurrogate(c)) {
      c = kReplacement;
    }
    AppendUTF8(out, c);
  }
  return out;
}

bool16 UnicodeSavvyString::SetUTF8String(const std::string& utf8) {
  fText.clear();
  return AppendUTF8String(utf8.data(), utf8.size());
}

bool16 UnicodeSavvyString::AppendUTF8String(const char* utf8, size_t length) {
  // UTF-16 never takes more units than UTF-8 takes bytes: the text is sized once and filled.
  const size_t start = fText.size();
  fText.resize(start + length);
  char16_t* out = &fText[start];
  const auto* p = reinterpret_cast<const unsigned char*>(utf8);
  const auto* end = p + length;
  while (p < end) {
    // Runs of ASCII, the bulk of most texts, in blocks of 16 bytes, tested as two words and
    // widened from a copy that no store can change: a loop compilers turn into vector moves.
    constexpr size_t kBlock = 16;
    while (static_cast<size_t>(end - p) >= kBlock) {
      unsigned char block[kBlock];
      uint64 halves[2];
      std::memcpy(block, p, kBlock);
      std::memcpy(halves, block, kBlock);
      if (((halves[0] | halves[1]) & 0x8080808080808080u) != 0) break;
      for (size_t i = 0; i < kBlock; ++i) out[i] = block[i];
      p += kBlock;
      out += kBlock;
    }
    if (p == end) break;
    UTF32TextChar c = 0;
    size_t sequence = DecodeUTF8(p, end, c);
    if (sequence == 0) {
      fText.resize(start);
      return kFalse;
    }
    p += sequence;
    if (c < 0x10000) {
      *out++ = static_cast<char16_t>(c);
    } else {
      *out++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      *out++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  fText.resize(static_cast<size_t>(out - fText.data()));
  return kTrue;
}

bool16 UnicodeSavvyString::IsValidUTF8(const std::string& bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    UTF32TextChar c = 0;
    size_t length = DecodeUTF8(p, end, c);
    if (length == 0) return kFalse;
    p += length;
  }
  return kTrue;
}
