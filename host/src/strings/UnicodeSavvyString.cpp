#include "UnicodeSavvyString.h"

#include <algorithm>
#include <cstring>
#include <iterator>

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

void UnicodeSavvyString::AppendUTF32TextChar(UTF32TextChar c) {
  if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacement;
  if (c < 0x10000) {
    fText.push_back(static_cast<textchar>(c));
  } else {
    c -= 0x10000;
    fText.push_back(static_cast<textchar>(0xD800 + (c >> 10)));
    fText.push_back(static_cast<textchar>(0xDC00 + (c & 0x3FF)));
  }
}

int32 UnicodeSavvyString::IndexOfUnits(const std::u16string& what, int32 pos) const {
  if (pos < 0) pos = 0;
  const size_t from = static_cast<size_t>(pos);
  if (from > fText.size()) return -1;
  const size_t m = what.size();
  if (m < 4) {
    size_t found = fText.find(what, from);
    return found == std::u16string::npos ? -1 : static_cast<int32>(found);
  }
  // Horspool's search: after a mismatch the window moves by how far the unit under its last
  // position lies from the pattern's end. Units are told apart by their low byte only, which can
  // only make the moves shorter, so that the table stays 256 entries. Searches for a missing
  // attribute over a long text look at a fraction of its units instead of each.
  size_t shift[256];
  std::fill(std::begin(shift), std::end(shift), m);
  for (size_t i = 0; i + 1 < m; ++i) shift[what[i] & 0xFF] = m - 1 - i;
  const char16_t* text = fText.data();
  const char16_t last = what[m - 1];
  for (size_t at = from; at + m <= fText.size();) {
    const char16_t c = text[at + m - 1];
    if (c == last && std::char_traits<char16_t>::compare(text + at, what.data(), m - 1) == 0) {
      return static_cast<int32>(at);
    }
    at += shift[c & 0xFF];
  }
  return -1;
}

int32 UnicodeSavvyString::IndexOfUnit(textchar c, int32 pos) const {
  if (pos < 0) pos = 0;
  if (static_cast<size_t>(pos) >= fText.size()) return -1;
  size_t found = fText.find(c, static_cast<size_t>(pos));
  return found == std::u16string::npos ? -1 : static_cast<int32>(found);
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
  // UTF-16 never takes more units than UTF-8 takes bytes: the text is sized once and filled.
  fText.resize(utf8.size());
  char16_t* out = &fText[0];
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  while (p < end) {
    // Runs of ASCII, the bulk of most texts, eight bytes at a time.
    uint64 eight;
    while (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080u) == 0)) {
      for (int i = 0; i < 8; ++i) out[i] = p[i];
      p += 8;
      out += 8;
    }
    if (p == end) break;
    UTF32TextChar c = 0;
    size_t length = DecodeUTF8(p, end, c);
    if (length == 0) {
      fText.clear();
      return kFalse;
    }
    p += length;
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
