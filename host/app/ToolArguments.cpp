#include "ToolArguments.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A type keyword, or a decimal number that fits 16 bits.
bool ReadTypeArgument(const std::string& word, DataFrameType& type) {
  for (int value = 0; value < kDataFrameTypeCount; ++value) {
    if (word == kDataFrameTypeKeywords[value]) {
      type = static_cast<DataFrameType>(value);
      return true;
    }
  }
  const size_t signLength = word[0] == '-' ? 1 : 0;
  if (word.size() == signLength || word.size() - signLength > 5) return false;
  for (size_t i = signLength; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
  }
  const long number = std::strtol(word.c_str(), nullptr, 10);
  if (number < INT16_MIN || number > INT16_MAX) return false;
  type = static_cast<DataFrameType>(number);
  return true;
}

}  // namespace

std::string ReadToolArguments(const CommandArgs& args, const std::vector<std::string>& formats,
                              ToolArguments& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      out.help = true;
    } else if (arg == "--type" || arg == "--format") {
      if (i + 1 == args.size()) return arg + " needs a value";
      const std::string& value = args[++i];
      if (arg == "--type") {
        if (!ReadTypeArgument(value, out.type)) return "unknown type '" + value + "'";
        out.typeGiven = true;
      } else {
        const auto found = std::find(formats.begin(), formats.end(), value);
        if (found == formats.end()) return "unknown format '" + value + "'";
        out.format = static_cast<size_t>(found - formats.begin());
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option '" + arg + "'";
    } else {
      out.files.push_back(arg);
    }
  }
  if (out.files.empty()) out.files.push_back("-");
  return std::string();
}
