// Reading the values that session commands take: counts, bounds and texts.
#pragma once

#include <string>
#include <vector>

#include "PMRect.h"
#include "PMString.h"
#include "WideString.h"

// A whole number from 1 to max, written in decimal digits; a ScriptError naming what otherwise.
int32 ParseCount(const std::string& text, const std::string& what, int32 max);

// count decimal numbers (an optional minus sign, digits, optionally a point and more digits)
// separated by commas; empty when the text is not that.
std::vector<double> ParseNumbers(const std::string& text, size_t count);
// One decimal number; a ScriptError naming what otherwise.
double ParseReal(const std::string& text, const std::string& what);

// Four numbers L,T,R,B (decimal, optionally signed and with a fraction) with L < R and T < B.
PMRect ParseBounds(const std::string& text);

// Texts from a script are UTF-8 (the lexer has checked them).
PMString ToPMString(const std::string& utf8);
WideString ToWideString(const std::string& utf8);
