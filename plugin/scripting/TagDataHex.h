// Tag data as hexadecimal text: two uppercase digits a byte, high nibble first, no separators;
// read back with digits of either case and with spaces, tabs, carriage returns and line feeds
// allowed anywhere, also between the two digits of one byte.
#pragma once

#include <string>

#include "BaseType.h"
#include "PMString.h"

PMString EncodeTagDataHex(const uint8* bytes, uint32 size);

enum class HexDecoding { kDecoded, kInvalidCharacter, kOddDigitCount };

// Decodes the 8-bit text into out, which has room for text.size() / 2 bytes; *count receives
// the number of bytes decoded. Decoding stops at the first character that is neither a digit nor
// one of the four white-space characters.
HexDecoding DecodeTagDataHex(const std::string& text, uint8* out, uint32* count);
