// The memory block operations over the session's memory service: exact sizes, and what they do
// when no session is running.
#include <gtest/gtest.h>

#include "dataframe/memory/MemBlocks.h"
#include "support/HostTest.h"

namespace {

using MemBlocksTest = HostTest;

// Blocks of either allocation method alike: exact sizes, shrunk in place with their contents kept,
// never grown.
TEST_F(MemBlocksTest, SizesAreExactAndBlocksShrinkInPlaceButNeverGrow) {
  auto* a = static_cast<uint8*>(NewMemBlock(64));
  MemBlock b = NewMemBlockAlt(0);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(MemBlockSize(b), 0u);
  for (int i = 0; i < 64; ++i) a[i] = static_cast<uint8>(i);
  ResizeMemBlock(a, 10);
  EXPECT_EQ(MemBlockSize(a), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(a[i], i);
  ResizeMemBlock(a, 100);
  EXPECT_EQ(MemBlockSize(a), 10u) << "growing is refused";
  EXPECT_EQ(Memory()->LiveBytes(), 10u);
  FreeMemBlock(a);
  FreeMemBlock(b);
  FreeMemBlock(nullptr);
  EXPECT_EQ(MemBlockSize(nullptr), 0u);
}

TEST(MemBlocksWithoutSessionTest, AllocationYieldsNullAndTheRestDoesNothing) {
  Host host;
  // Nothing may look at a block without a service, so any address will do.
  char notABlock[16] = {};
  EXPECT_EQ(NewMemBlock(8), nullptr);
  EXPECT_EQ(NewMemBlockAlt(8), nullptr);
  EXPECT_EQ(MemBlockSize(notABlock), 0u);
  ResizeMemBlock(notABlock, 4);
  FreeMemBlock(notABlock);
}

}  // namespace
