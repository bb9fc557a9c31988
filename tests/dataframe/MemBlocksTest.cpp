// The memory block operations over the session's memory service: exact sizes, accounting, the
// byte copy's order, and what they do when no session is running.
#include <gtest/gtest.h>

#include <cstring>

#include "dataframe/memory/MemBlocks.h"
#include "support/HostTest.h"

namespace {

using MemBlocksTest = HostTest;

TEST_F(MemBlocksTest, ServiceCountsLiveBlocksAndBytesExactly) {
  const uint64 blocks = Memory()->LiveBlocks();
  const uint64 bytes = Memory()->LiveBytes();
  MemBlock a = NewMemBlock(100);
  MemBlock b = NewMemBlockAlt(28);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(Memory()->LiveBlocks() - blocks, 2u);
  EXPECT_EQ(Memory()->LiveBytes() - bytes, 128u);
  ResizeMemBlock(a, 40);
  EXPECT_EQ(Memory()->LiveBytes() - bytes, 68u);
  // A block from either method is sized, shrunk and freed alike.
  EXPECT_EQ(MemBlockSize(b), 28u);
  ResizeMemBlock(b, 0);
  EXPECT_EQ(MemBlockSize(b), 0u);
  FreeMemBlock(a);
  FreeMemBlock(b);
  FreeMemBlock(nullptr);
  EXPECT_EQ(Memory()->LiveBlocks(), blocks);
  EXPECT_EQ(Memory()->LiveBytes(), bytes);
  EXPECT_EQ(MemBlockSize(nullptr), 0u);
}

TEST_F(MemBlocksTest, ShrinkingKeepsAddressAndContents) {
  auto* block = static_cast<uint8*>(NewMemBlock(64));
  ASSERT_NE(block, nullptr);
  for (int i = 0; i < 64; ++i) block[i] = static_cast<uint8>(i);
  ResizeMemBlock(block, 10);
  EXPECT_EQ(MemBlockSize(block), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(block[i], i);
  FreeMemBlock(block);
}

TEST(CopyBytesFromTest, CopiesInAscendingOrderSourceFirst) {
  char bytes[] = "abcdef";
  CopyBytesFrom(bytes, bytes + 1, 4);  // overlapping forward: each byte copied is the one before
  EXPECT_STREQ(bytes, "aaaaaf");
  char target[] = "xyz";
  CopyBytesFrom("AB", target, 2);
  EXPECT_STREQ(target, "ABz");
  CopyBytesFrom("QQ", target, 0);
  CopyBytesFrom("QQ", target, -5);
  EXPECT_STREQ(target, "ABz");
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
