#include "ScriptFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

bool ReadScriptFile(const std::string& path, std::string* text, std::string* error) {
  std::error_code status;
  if (!std::filesystem::is_regular_file(path, status)) {
    *error = "cannot read " + path + ": it is no file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (in) text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in || in.bad()) {
    *error = "cannot read " + path;
    return false;
  }
  return true;
}
