#include "tagdata/DataFrameVocabulary.h"

namespace {

constexpr const char* kUnknownDisplayName = "Unknown";

// Indexed by the enumeration's value.
constexpr const char* kTypeDisplayNames[kDataFrameTypeCount] = {
    "Vantelle Labels",       "Ormandy Entries", "Ormandy Mfg Entries",
    "Auxiliary Search Keys", "Pellow",          "Shared Pellow"};
constexpr const char* kScopeDisplayNames[kDataFrameScopeCount] = {"Frame", "Page", "Spread",
                                                                  "Document", "Global"};

template <int N>
const char* DisplayName(const char* const (&names)[N], int16 value) {
  return value >= 0 && value < N ? names[value] : kUnknownDisplayName;
}

}  // namespace

void DataFrameTypeDisplayName(DataFrameType type, PMString& name) {
  name.SetCString(DisplayName(kTypeDisplayNames, type));
}

void DataFrameScopeDisplayName(DataFrameScope scope, PMString& name) {
  name.SetCString(DisplayName(kScopeDisplayNames, scope));
}
