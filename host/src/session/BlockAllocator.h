// Where the session's memory service takes its blocks from. A host uses its own HeapBlocks unless
// it is made with another allocator: tests give it one that wraps HeapBlocks, counts live blocks
// and bytes, and fails a chosen allocation, so that the interface the plug-in sees carries no
// test switches.
#pragma once

#include "BaseType.h"

class BlockAllocator {
 public:
  virtual ~BlockAllocator() = default;
  // A new block of exactly size bytes (0 allowed), or null when memory cannot be had.
  virtual void* Allocate(uint32 size) = 0;
  // The size last given for the block.
  virtual uint32 Size(const void* block) const = 0;
  // Makes the block smaller in place; newSize is at most its size.
  virtual void Shrink(void* block, uint32 newSize) = 0;
  virtual void Free(void* block) = 0;
};

// Blocks from the C heap, each behind a header that records its size. A pointer that is no live
// block of a HeapBlocks stops the program before it corrupts anything.
class HeapBlocks final : public BlockAllocator {
 public:
  void* Allocate(uint32 size) override;
  uint32 Size(const void* block) const override;
  void Shrink(void* block, uint32 newSize) override;
  void Free(void* block) override;
};
