// Decodes arbitrary text as a script's tag data and checks the result against the rules: text of
// digits and the four white-space characters only decodes, to bytes whose encoding is its digits
// in upper case, unless the digits do not pair up; anything else is refused. The decoder never
// writes beyond half the text's length.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "scripting/TagDataHex.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "tag data hex: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string digits;
  bool onlyDigitsAndBlanks = true;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    onlyDigitsAndBlanks = onlyDigitsAndBlanks && digit;
    digits.push_back(static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c));
  }
  // Exactly the room the decoder is promised, so that AddressSanitizer sees any overrun.
  std::vector<uint8> out(size / 2);
  uint32 count = 0;
  const HexDecoding result = DecodeTagDataHex(text, out.data(), &count);
  Require(count <= out.size(), "more bytes than the room given");
  if (!onlyDigitsAndBlanks) {
    Require(result == HexDecoding::kInvalidCharacter, "a character that is no digit was taken");
  } else if (digits.size() % 2 != 0) {
    Require(result == HexDecoding::kOddDigitCount, "unpaired digits were taken");
  } else {
    Require(result == HexDecoding::kDecoded, "valid text was refused");
    Require(EncodeTagDataHex(out.data(), count).GetUTF8String() == digits,
            "the bytes do not encode back to the digits");
  }
  return 0;
}
