// How session output writes values, so that the same state always prints the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text/OutputText.h"

// An identifier as "0x" and uppercase hexadecimal digits: 0x18291A.
std::string HexID(uint32_t id);

// A word as a script would write it: bare when it is non-empty and holds only letters, digits and
// - _ . / characters, JSON-quoted otherwise.
std::string ScriptWordText(const std::string& utf8);

// The shortest decimal text that reads back as the same number.
std::string ShortestNumber(double value);
// The number rounded to at most four decimals, without trailing zeros ("-0" is "0").
std::string FourDecimals(double value);
