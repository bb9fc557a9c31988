#include "dataframe/memory/MemBlocks.h"
#include "support/HostTest.h"

using MemoryServiceTest = HostTest;

TEST_F(MemoryServiceTest, SizesAreExactAndShrinkKeepsTheAddress) {
  MemBlock block = NewMemBlock(40);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(MemBlockSize(block), 40u);
  ResizeMemBlock(block, 12);
  EXPECT_EQ(MemBlockSize(block), 12u);
  ResizeMemBlock(block, 100);  // growing is refused
  EXPECT_EQ(MemBlockSize(block), 12u);
  EXPECT_EQ(Memory()->LiveBytes() >= 12u, true);
  FreeMemBlock(block);
}

TEST_F(MemoryServiceTest, FailureSwitchFailsExactlyTheNthAllocation) {
  Memory()->FailAllocation(2);
  MemBlock first = NewMemBlock(1);
  MemBlock second = NewMemBlockAlt(1);
  MemBlock third = NewMemBlock(0);
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(second, nullptr);
  EXPECT_NE(third, nullptr);
  EXPECT_EQ(MemBlockSize(third), 0u);
  FreeMemBlock(first);
  FreeMemBlock(third);
}
