#include "text/OutputText.h"

#include <array>
#include <cstring>

#include "PMString.h"
#include "WideString.h"

namespace {

bool IsHighSurrogate(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

void AppendEscapedText(std::string& out, const std::u16string& text, bool escapeQuote) {
  for (size_t i = 0; i < text.size(); ++i) {
    UTF32TextChar c = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendJsonEscaped(out, c, escapeQuote);
  }
}

std::u16string Decoded(const std::string& utf8) {
  WideString text;
  text.SetUTF8String(utf8);
  return text.GetUTF16();
}

// The escaped UTF-8 form of one 8-bit character.
struct EscapedForm {
  char bytes[kMaxEscapedPlatformChar];
  uint8 length;
};

// The escaped UTF-8 form of each 8-bit character, built once from the one escaping rule.
struct PlatformTextForms {
  std::array<EscapedForm, 256> escaped;    // '"' escaped too
  std::array<EscapedForm, 256> quoteAsIs;  // '"' as it is
  std::array<bool, 256> unchanged;         // the character is its own single byte in both
};

EscapedForm FormOf(UTF32TextChar c, bool escapeQuote) {
  std::string text;
  AppendJsonEscaped(text, c, escapeQuote);
  EscapedForm form{};
  std::memcpy(form.bytes, text.data(), text.size());
  form.length = static_cast<uint8>(text.size());
  return form;
}

const PlatformTextForms& Forms() {
  static const PlatformTextForms forms = [] {
    PlatformTextForms f;
    for (unsigned b = 0; b < 256; ++b) {
      const UTF32TextChar c = PlatformEncoding::DecodeByte(static_cast<uint8>(b));
      f.escaped[b] = FormOf(c, true);
      f.quoteAsIs[b] = FormOf(c, false);
      f.unchanged[b] = f.escaped[b].length == 1 && f.escaped[b].bytes[0] == static_cast<char>(b);
    }
    return f;
  }();
  return forms;
}

// Whether a byte of the word is zero.
bool HasZeroByte(uint64 word) {
  return ((word - 0x0101010101010101u) & ~word & 0x8080808080808080u) != 0;
}

// Whether each of eight bytes is printable ASCII other than '"' and '\\', which every form leaves
// as it is.
bool StandForThemselves(uint64 eight) {
  const uint64 low = (eight - 0x2020202020202020u) & ~eight & 0x8080808080808080u;  // below 0x20
  return low == 0 && (eight & 0x8080808080808080u) == 0 &&
         !HasZeroByte(eight ^ 0x7F7F7F7F7F7F7F7Fu) && !HasZeroByte(eight ^ 0x2222222222222222u) &&
         !HasZeroByte(eight ^ 0x5C5C5C5C5C5C5C5Cu);
}

}  // namespace

void AppendJsonEscaped(std::string& out, UTF32TextChar c, bool escapeQuote) {
  static const char kDigits[] = "0123456789ABCDEF";
  switch (c) {
    case '"':
      out += escapeQuote ? "\\\"" : "\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (c < 0x20 || c == 0x7F || (c >= 0xD800 && c <= 0xDFFF)) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(c >> shift) & 0xF];
  } else {
    UnicodeSavvyString::AppendUTF8(out, c);
  }
}

std::string JsonQuote(const std::u16string& text) {
  std::string out = "\"";
  AppendEscapedText(out, text, true);
  out += '"';
  return out;
}

std::string JsonQuote(const std::string& utf8) {
  return JsonQuote(Decoded(utf8));
}

std::string EscapedField(const std::string& utf8) {
  std::string out;
  AppendEscapedText(out, Decoded(utf8), false);
  return out;
}

void AppendPlatformTextEscaped(std::string& out, const uint8* bytes, size_t size,
                               bool escapeQuote) {
  const size_t at = out.size();
  out.resize(at + kMaxEscapedPlatformChar * size);
  char* end = WritePlatformTextEscaped(&out[at], bytes, size, escapeQuote);
  out.resize(static_cast<size_t>(end - out.data()));
}

char* WritePlatformTextEscaped(char* out, const uint8* bytes, size_t size, bool escapeQuote) {
  const PlatformTextForms& forms = Forms();
  const auto& form = escapeQuote ? forms.escaped : forms.quoteAsIs;
  const uint8* end = bytes + size;
  while (bytes != end) {
    // Runs of characters that stand for themselves are copied at once; eight bytes at a time are
    // let through while none of them is below a blank, DEL or above, a quote or a backslash.
    const uint8* run = bytes;
    uint64 eight;
    while (end - run >= 8 && (std::memcpy(&eight, run, 8), StandForThemselves(eight))) run += 8;
    while (run != end && forms.unchanged[*run]) ++run;
    std::memcpy(out, bytes, static_cast<size_t>(run - bytes));
    out += run - bytes;
    if (run == end) break;
    std::memcpy(out, form[*run].bytes, kMaxEscapedPlatformChar);
    out += form[*run].length;
    bytes = run + 1;
  }
  return out;
}

std::string HexText(const void* bytes, size_t size) {
  static const char kDigits[] = "0123456789ABCDEF";
  const auto* at = static_cast<const uint8*>(bytes);
  std::string out;
  out.reserve(size * 2);
  for (size_t i = 0; i < size; ++i) {
    out += kDigits[at[i] >> 4];
    out += kDigits[at[i] & 0x0F];
  }
  return out;
}
