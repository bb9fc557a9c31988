// The display names of data frame types and scopes.
#include <gtest/gtest.h>

#include "tagdata/DataFrameVocabulary.h"

namespace {

TEST(DataFrameVocabularyTest, EveryTypeAndScopeHasItsNameAndAnythingElseIsUnknown) {
  const struct {
    int16 value;
    const char* type;
    const char* scope;
  } cases[] = {
      {-1, "Unknown", "Unknown"},
      {0, "Vantelle Labels", "Frame"},
      {1, "Ormandy Entries", "Page"},
      {2, "Ormandy Mfg Entries", "Spread"},
      {3, "Auxiliary Search Keys", "Document"},
      {4, "Pellow", "Global"},
      {5, "Shared Pellow", "Unknown"},
      {6, "Unknown", "Unknown"},
      {INT16_MIN, "Unknown", "Unknown"},
      {INT16_MAX, "Unknown", "Unknown"},
  };
  for (const auto& c : cases) {
    PMString type("before");
    PMString scope("before");
    DataFrameTypeDisplayName(c.value, type);
    DataFrameScopeDisplayName(c.value, scope);
    EXPECT_EQ(type, PMString(c.type)) << c.value;
    EXPECT_EQ(scope, PMString(c.scope)) << c.value;
  }
}

}  // namespace
