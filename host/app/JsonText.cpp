#include "JsonText.h"

#include <cstdio>

namespace {

void AppendEscaped(std::string& out, const std::string& utf8, bool escapeQuote) {
  for (char c : utf8) {
    auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += escapeQuote ? "\\\"" : "\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          char escape[7];
          std::snprintf(escape, sizeof escape, "\\u%04X", byte);
          out += escape;
        } else {
          out.push_back(c);
        }
    }
  }
}

}  // namespace

std::string JsonQuoted(const std::string& utf8) {
  std::string out = "\"";
  AppendEscaped(out, utf8, true);
  out.push_back('"');
  return out;
}

std::string EscapedField(const std::string& utf8) {
  std::string out;
  AppendEscaped(out, utf8, false);
  return out;
}
