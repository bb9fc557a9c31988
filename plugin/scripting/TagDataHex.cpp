#include "scripting/TagDataHex.h"

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

PMString EncodeTagDataHex(const uint8* bytes, uint32 size) {
  static const char kDigits[] = "0123456789ABCDEF";
  PMString text;
  for (uint32 i = 0; i < size; ++i) {
    text.Append(static_cast<textchar>(kDigits[bytes[i] >> 4]));
    text.Append(static_cast<textchar>(kDigits[bytes[i] & 0xF]));
  }
  return text;
}

HexDecoding DecodeTagDataHex(const std::string& text, uint8* out, uint32* count) {
  *count = 0;
  bool pending = false;
  // The high digit waits here: an unpaired last digit has no byte of room in out.
  uint8 high = 0;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
    const int value = DigitValue(c);
    if (value < 0) return HexDecoding::kInvalidCharacter;
    if (pending) {
      out[(*count)++] = static_cast<uint8>(high | value);
    } else {
      high = static_cast<uint8>(value << 4);
    }
    pending = !pending;
  }
  return pending ? HexDecoding::kOddDigitCount : HexDecoding::kDecoded;
}
