#include "SessionFormat.h"

#include <cstdio>

#include "WideString.h"

namespace {

void AppendEscapedUnit(std::string& out, char16_t unit) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
  out += buffer;
}

bool IsHigh(char16_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(char16_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::string JsonQuote(const std::u16string& text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    switch (u) {
      case u'"':
        out += "\\\"";
        continue;
      case u'\\':
        out += "\\\\";
        continue;
      case u'\n':
        out += "\\n";
        continue;
      case u'\r':
        out += "\\r";
        continue;
      case u'\t':
        out += "\\t";
        continue;
      default:
        break;
    }
    if (u < 0x20 || u == 0x7F) {
      AppendEscapedUnit(out, u);
    } else if (IsHigh(u) && i + 1 < text.size() && IsLow(text[i + 1])) {
      UnicodeSavvyString::AppendUTF8(
          out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHigh(u) || IsLow(u)) {
      AppendEscapedUnit(out, u);
    } else {
      UnicodeSavvyString::AppendUTF8(out, u);
    }
  }
  out += '"';
  return out;
}

std::string JsonQuote(const std::string& utf8) {
  WideString text;
  text.SetUTF8String(utf8);
  return JsonQuote(text.GetUTF16());
}

std::string ScriptWordText(const std::string& utf8) {
  bool bare = !utf8.empty();
  for (char c : utf8) {
    bare = bare && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_' || c == '.' || c == '/');
  }
  return bare ? utf8 : JsonQuote(utf8);
}

std::string HexBytes(const void* bytes, size_t size) {
  static const char kDigits[] = "0123456789ABCDEF";
  const auto* data = static_cast<const unsigned char*>(bytes);
  std::string hex;
  hex.reserve(2 * size);
  for (size_t i = 0; i < size; ++i) {
    hex.push_back(kDigits[data[i] >> 4]);
    hex.push_back(kDigits[data[i] & 0xF]);
  }
  return hex;
}

std::string HexID(uint32_t id) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(id));
  return buffer;
}
