// Reading the text a command works on: a file, or standard input for "-".
#pragma once

#include <string>

#include "PMString.h"

// Reads the whole file (standard input when the path is "-") as UTF-8, keeping every character,
// line breaks included, as it is. On failure answers false and sets a message that names the
// input: it cannot be read, it is too large for a string, or it is not UTF-8.
bool ReadUTF8Input(const std::string& path, PMString& text, std::string& error);
