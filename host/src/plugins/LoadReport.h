// Problems met while loading plug-ins and the session workspace (and saving the workspace at
// quit): each is written to standard error as it happens and kept, so that the session runner
// and tests can see what was skipped and why.
#pragma once

#include <string>
#include <vector>

#include "BaseType.h"

class LoadReport {
 public:
  // subject names what failed (a module's path, a plug-in ID), problem says what went wrong.
  void Add(const std::string& subject, const std::string& problem);
  const std::vector<std::string>& Problems() const { return fProblems; }
  void Clear() { fProblems.clear(); }

  // An identifier as messages show it: "0x182900".
  static std::string HexID(uint32 id);

 private:
  std::vector<std::string> fProblems;
};
