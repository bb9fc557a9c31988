#include "ScriptFile.h"

#include <vector>

#include "ScriptBudget.h"
#include "app/Host.h"
#include "platform/EnvFiles.h"

bool ReadScriptFile(const std::string& path, std::string* text, std::string* error) {
  // A larger source could not be compiled within the engine's memory budget anyway.
  const uint64 limit = ScriptLimits().memoryBytes;
  std::vector<uint8> bytes;
  if (!ReadWholeFile(Host::CurrentEnv(), path, limit, &bytes, error)) return false;
  text->assign(bytes.begin(), bytes.end());
  return true;
}
