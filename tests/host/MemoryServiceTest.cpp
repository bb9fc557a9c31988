#include "dataframe/memory/MemBlocks.h"
#include "support/HostTest.h"

using MemoryServiceTest = HostTest;

// Sizes and accounting are covered with the block operations; here: what only the service does.
TEST_F(MemoryServiceTest, GrowingIsRefusedAndTheFailureSwitchFailsExactlyTheNthAllocation) {
  Memory()->FailAllocation(2);
  MemBlock first = NewMemBlock(12);
  MemBlock second = NewMemBlockAlt(1);
  MemBlock third = NewMemBlock(0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(second, nullptr);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(MemBlockSize(third), 0u);
  ResizeMemBlock(first, 100);
  EXPECT_EQ(MemBlockSize(first), 12u);
  FreeMemBlock(first);
  FreeMemBlock(third);
}
