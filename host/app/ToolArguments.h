// The arguments that the tools reading data frame text share: --type T, --format F, --help and
// the files to read.
#pragma once

#include <string>
#include <vector>

#include "Commands.h"
#include "dataframe/DataFrameTypes.h"

struct ToolArguments {
  bool typeGiven = false;
  DataFrameType type = kDataFrameTypeUnknown;
  size_t format = 0;  // an index into the formats the tool offers; the first when none is given
  std::vector<std::string> files;  // "-", standard input, when none is given
  bool help = false;
};

// Reads the arguments of a tool that offers the formats named (the first is the default). Answers
// an error message, empty when the arguments are good.
std::string ReadToolArguments(const CommandArgs& args, const std::vector<std::string>& formats,
                              ToolArguments& out);
