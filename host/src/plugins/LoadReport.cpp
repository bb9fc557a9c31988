#include "LoadReport.h"

#include <cstdio>

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

}  // namespace

namespace LoadReport {

std::string HexID(uint32 id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", id);
  return text;
}

void Add(const std::string& subject, const std::string& problem) {
  std::string line = subject + ": " + problem;
  std::fprintf(stderr, "vantelle: %s\n", line.c_str());
  Log().push_back(std::move(line));
}

const std::vector<std::string>& Problems() {
  return Log();
}
void Clear() {
  Log().clear();
}

}  // namespace LoadReport
