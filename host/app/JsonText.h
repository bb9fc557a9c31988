// How the vantelle program prints strings: JSON-escaped, so that any text, control characters
// and quotes included, reads back unambiguously.
#pragma once

#include <string>

// The UTF-8 text with '"', '\' and control characters escaped as JSON does (\" \\ \b \f \n \r
// \t, others as \u00XX), in double quotes.
std::string JsonQuoted(const std::string& utf8);
// The same escapes without the quotes, and with '"' left as it is: for fields that are not
// quoted, such as the columns of tab-separated output.
std::string EscapedField(const std::string& utf8);
