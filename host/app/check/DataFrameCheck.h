// What `vantelle check` finds in a data frame text: each place where the entries the plug-in hands
// out differ from what the author probably meant. The text is read by the plug-in's own header
// reader, comment cutter and line walk, so that every finding agrees with the parse.
#pragma once

#include <functional>
#include <string_view>

#include "PMString.h"
#include "dataframe/DataFrameTypes.h"

enum class FindingSeverity { kNote, kWarning };

struct CheckFinding {
  uint32 line;      // 1-based; lines end at CR LF, CR or LF, as editors count them
  uint32 column;    // 1-based, in characters
  uint32 lastLine;  // the last line the finding is about: line itself for one place
  FindingSeverity severity;
  const char* code;  // "DF302"
  std::string_view message;
};

struct CheckOptions {
  bool typeGiven = false;  // read as this type, as `vantelle parse --type` does
  DataFrameType type = kDataFrameTypeUnknown;
};

// Receives each finding in turn; the finding (its message) lasts only for the call.
typedef std::function<void(const CheckFinding&)> FindingSink;

// Reports the findings for a data frame's whole text (as decoded, quotes not yet straightened) in
// the order of their places, as they are found, so that no list of them is ever held.
void CheckDataFrameText(const PMString& text, const CheckOptions& options, const FindingSink& sink);
