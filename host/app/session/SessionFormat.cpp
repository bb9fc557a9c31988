#include "SessionFormat.h"

#include <cstdio>

std::string ScriptWordText(const std::string& utf8) {
  bool bare = !utf8.empty();
  for (char c : utf8) {
    bare = bare && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_' || c == '.' || c == '/');
  }
  return bare ? utf8 : JsonQuote(utf8);
}

std::string HexID(uint32_t id) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(id));
  return buffer;
}
