// The block allocator that tests give their host: the host's own HeapBlocks, with the live blocks
// and bytes counted, so that a test can prove that ownership is honoured (nothing leaks), and a
// chosen allocation made to fail, so that it can walk every allocation failure in turn.
#pragma once

#include "session/BlockAllocator.h"

class CountingBlocks final : public BlockAllocator {
 public:
  uint64 LiveBlocks() const { return fLiveBlocks; }
  uint64 LiveBytes() const { return fLiveBytes; }
  // Allocations asked for so far, failed ones included.
  uint64 AllocationCount() const { return fAllocations; }
  // Makes the nth allocation from now fail (1: the next one); 0 turns failing off.
  void FailAllocation(uint64 nth);
  // Turns failing off; answers whether the armed failure happened.
  bool Disarm();

  void* Allocate(uint32 size) override;
  uint32 Size(const void* block) const override { return fHeap.Size(block); }
  void Shrink(void* block, uint32 newSize) override;
  void Free(void* block) override;

 private:
  HeapBlocks fHeap;
  uint64 fLiveBlocks = 0;
  uint64 fLiveBytes = 0;
  uint64 fAllocations = 0;
  uint64 fFailAt = 0;
  bool fFailed = false;
};
