#include "SessionValues.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "SessionCommand.h"

namespace {

// A decimal number: an optional minus sign, digits, and optionally a point and more digits.
bool ParseNumber(const std::string& text, double& value) {
  size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  const size_t digitsStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i == digitsStart) return false;
  if (i < text.size() && text[i] == '.') {
    const size_t fractionStart = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == fractionStart) return false;
  }
  if (i != text.size()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && std::isfinite(value);
}

}  // namespace

int32 ParseCount(const std::string& text, const std::string& what, int32 max) {
  int32 value = 0;
  bool digits = !text.empty() && text.size() <= 9;
  for (char c : text) digits = digits && c >= '0' && c <= '9';
  if (digits) std::from_chars(text.data(), text.data() + text.size(), value);
  if (!digits || value < 1 || value > max) {
    throw ScriptError(what + " must be a number from 1 to " + std::to_string(max) + ", not " +
                      text);
  }
  return value;
}

std::vector<double> ParseNumbers(const std::string& text, size_t count) {
  std::vector<double> numbers;
  size_t start = 0;
  while (numbers.size() <= count) {
    const size_t comma = text.find(',', start);
    double value = 0;
    const std::string part = text.substr(start, comma == std::string::npos ? comma : comma - start);
    if (!ParseNumber(part, value)) return {};
    numbers.push_back(value);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (numbers.size() != count) numbers.clear();
  return numbers;
}

double ParseReal(const std::string& text, const std::string& what) {
  double value = 0;
  if (!ParseNumber(text, value)) throw ScriptError(what + " must be a decimal number, not " + text);
  return value;
}

PMRect ParseBounds(const std::string& text) {
  const std::vector<double> edges = ParseNumbers(text, 4);
  if (edges.empty()) throw ScriptError("bounds must be four numbers L,T,R,B, not " + text);
  if (!(edges[0] < edges[2] && edges[1] < edges[3])) {
    throw ScriptError("bounds " + text + " must have left < right and top < bottom");
  }
  return PMRect(edges[0], edges[1], edges[2], edges[3]);
}

PMString ToPMString(const std::string& utf8) {
  PMString text;
  text.SetUTF8String(utf8);
  text.SetTranslatable(kFalse);
  return text;
}

WideString ToWideString(const std::string& utf8) {
  WideString text;
  text.SetUTF8String(utf8);
  return text;
}
