#include "CountingBlocks.h"

void CountingBlocks::FailAllocation(uint64 nth) {
  fFailAt = nth == 0 ? 0 : fAllocations + nth;
  fFailed = false;
}

bool CountingBlocks::Disarm() {
  fFailAt = 0;
  return fFailed;
}

void* CountingBlocks::Allocate(uint32 size) {
  if (++fAllocations == fFailAt) {
    fFailAt = 0;
    fFailed = true;
    return nullptr;
  }
  void* block = fHeap.Allocate(size);
  if (block) {
    ++fLiveBlocks;
    fLiveBytes += size;
  }
  return block;
}

void CountingBlocks::Shrink(void* block, uint32 newSize) {
  fLiveBytes -= fHeap.Size(block) - newSize;
  fHeap.Shrink(block, newSize);
}

void CountingBlocks::Free(void* block) {
  --fLiveBlocks;
  fLiveBytes -= fHeap.Size(block);
  fHeap.Free(block);
}
