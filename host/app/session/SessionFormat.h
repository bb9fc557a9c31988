// How session output writes values, so that the same state always prints the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A UTF-16 text as a JSON string in double quotes: " and \ escaped, control characters and DEL
// as \n \r \t or \u00XX, other characters as UTF-8, an unpaired surrogate as \uXXXX.
std::string JsonQuote(const std::u16string& text);
std::string JsonQuote(const std::string& utf8);

// Bytes as uppercase hexadecimal digits without separators.
std::string HexBytes(const void* bytes, size_t size);
// An identifier as "0x" and uppercase hexadecimal digits: 0x18291A.
std::string HexID(uint32_t id);

// A word as a script would write it: bare when it is non-empty and holds only letters, digits and
// - _ . / characters, JSON-quoted otherwise.
std::string ScriptWordText(const std::string& utf8);
