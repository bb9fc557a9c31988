#include "SessionLexer.h"

#include <cstdint>

#include "UnicodeSavvyString.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsKeyChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class LineScanner {
 public:
  explicit LineScanner(const std::string& line) : fLine(line) {}

  bool Scan(std::vector<ScriptWord>& words, std::string& error) {
    words.clear();
    while (true) {
      while (fPos < fLine.size() && IsBlank(fLine[fPos])) ++fPos;
      if (fPos == fLine.size() || fLine[fPos] == '#') return true;
      ScriptWord word;
      if (!ScanWord(word)) {
        error = fError;
        return false;
      }
      words.push_back(std::move(word));
    }
  }

 private:
  bool Fail(const std::string& message) {
    fError = message;
    return false;
  }

  bool ScanWord(ScriptWord& word) {
    if (fLine[fPos] == '"') {
      word.quoted = true;
      return ScanQuoted(word.value) && EndOfWord();
    }
    const size_t start = fPos;
    while (fPos < fLine.size() && !IsBlank(fLine[fPos]) && fLine[fPos] != '"') ++fPos;
    const std::string bare = fLine.substr(start, fPos - start);
    const size_t equals = bare.find('=');
    bool isOption = equals != std::string::npos && equals > 0;
    for (size_t i = 0; isOption && i < equals; ++i) isOption = IsKeyChar(bare[i]);
    if (fPos < fLine.size() && fLine[fPos] == '"') {
      // Only an option's value may be quoted, and only as a whole.
      if (!isOption || equals + 1 != bare.size()) return Fail("unexpected quote in word " + bare);
      word.key = bare.substr(0, equals);
      word.quoted = true;
      return ScanQuoted(word.value) && EndOfWord();
    }
    if (isOption) {
      word.key = bare.substr(0, equals);
      word.value = bare.substr(equals + 1);
    } else {
      word.value = bare;
    }
    return true;
  }

  // Reads a string from its opening quote past its closing one.
  bool ScanQuoted(std::string& out) {
    ++fPos;
    while (fPos < fLine.size()) {
      const char c = fLine[fPos++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (fPos == fLine.size()) break;
      const char e = fLine[fPos++];
      switch (e) {
        case '"':
        case '\\':
          out += e;
          break;
        case 'r':
          out += '\r';
          break;
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case 'u':
          if (!ScanCodePoint(out)) return false;
          break;
        default:
          return Fail(std::string("unknown escape \\") + e);
      }
    }
    return Fail("unterminated string");
  }

  // Reads {HEX} after \u: one to six hex digits naming a Unicode scalar value.
  bool ScanCodePoint(std::string& out) {
    if (fPos == fLine.size() || fLine[fPos] != '{') return Fail("\\u must be followed by {HEX}");
    ++fPos;
    uint32_t value = 0;
    size_t digits = 0;
    while (fPos < fLine.size() && HexValue(fLine[fPos]) >= 0) {
      if (++digits > 6) return Fail("\\u{...} takes at most 6 hex digits");
      value = value * 16 + static_cast<uint32_t>(HexValue(fLine[fPos++]));
    }
    if (digits == 0 || fPos == fLine.size() || fLine[fPos] != '}') {
      return Fail("\\u must be followed by {HEX}");
    }
    ++fPos;
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      return Fail("\\u{...} is not a Unicode scalar value");
    }
    UnicodeSavvyString::AppendUTF8(out, value);
    return true;
  }

  bool EndOfWord() {
    if (fPos < fLine.size() && !IsBlank(fLine[fPos])) return Fail("text after closing quote");
    return true;
  }

  const std::string& fLine;
  size_t fPos = 0;
  std::string fError;
};

}  // namespace

bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>& words, std::string& error) {
  if (!UnicodeSavvyString::IsValidUTF8(line)) {
    error = "line is not valid UTF-8";
    return false;
  }
  return LineScanner(line).Scan(words, error);
}
