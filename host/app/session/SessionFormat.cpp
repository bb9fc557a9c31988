#include "SessionFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string ScriptWordText(const std::string& utf8) {
  bool bare = !utf8.empty();
  for (char c : utf8) {
    bare = bare && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_' || c == '.' || c == '/');
  }
  return bare ? utf8 : JsonQuote(utf8);
}

std::string HexID(uint32_t id) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(id));
  return buffer;
}

std::string ShortestNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FourDecimals(double value) {
  const double rounded = std::round(value * 10000) / 10000;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.4f", rounded == 0 ? 0.0 : rounded);
  std::string text = buffer;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}
