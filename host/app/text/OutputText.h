// How the vantelle program writes values, in its tools and its session runner alike, so that the
// same value always prints the same bytes and any text reads back unambiguously.
#pragma once

#include <string>

#include "BaseType.h"

// Appends one character as it stands inside a JSON string: '"' (unless quotes stay as they are)
// and '\' escaped, CR, LF and tab as \r \n \t, other control characters and DEL as \u00XX, a lone
// surrogate as \uXXXX, every other character as UTF-8.
void AppendJsonEscaped(std::string& out, UTF32TextChar c, bool escapeQuote = true);

// A UTF-16 or UTF-8 text as a JSON string in double quotes.
std::string JsonQuote(const std::u16string& text);
std::string JsonQuote(const std::string& utf8);
// The same escapes without the quotes, and with '"' left as it is: for fields that are not
// quoted, such as the columns of tab-separated output.
std::string EscapedField(const std::string& utf8);

// 8-bit platform text decoded to UTF-8 with the same escapes, without quotes; with escapeQuote
// false '"' stays as it is. One table look-up a byte.
void AppendPlatformTextEscaped(std::string& out, const uint8* bytes, size_t size, bool escapeQuote);
// The most bytes one 8-bit character takes so written ("\u00XX").
constexpr size_t kMaxEscapedPlatformChar = 6;
// The same written at out, which has room for kMaxEscapedPlatformChar bytes a character; answers
// where the written text ends.
char* WritePlatformTextEscaped(char* out, const uint8* bytes, size_t size, bool escapeQuote);

// Bytes as uppercase hexadecimal digits, two a byte, without separators.
std::string HexText(const void* bytes, size_t size);
