// Reading a script file: the one way scripts come from files, through the environment of the
// current host (the process's own before a host is made).
#pragma once

#include <string>

// The file's bytes; false with a message when it cannot be read.
bool ReadScriptFile(const std::string& path, std::string* text, std::string* error);
