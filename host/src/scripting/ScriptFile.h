// Reading a script file: the one way scripts come from disk.
#pragma once

#include <string>

// The file's bytes; false with a message when it cannot be read.
bool ReadScriptFile(const std::string& path, std::string* text, std::string* error);
