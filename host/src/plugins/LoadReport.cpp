#include "LoadReport.h"

#include <cstdio>

std::string LoadReport::HexID(uint32 id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", id);
  return text;
}

void LoadReport::Add(const std::string& subject, const std::string& problem) {
  std::string line = subject + ": " + problem;
  std::fprintf(stderr, "vantelle: %s\n", line.c_str());
  fProblems.push_back(std::move(line));
}
