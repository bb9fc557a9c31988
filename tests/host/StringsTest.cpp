#include <gtest/gtest.h>

#include "PMString.h"

TEST(PMString, Placeholder) { EXPECT_EQ(PMString("ab").CharCount(), 2); }
