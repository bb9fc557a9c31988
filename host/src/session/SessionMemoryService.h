// The session's memory service: blocks with an exact size, counted, and a switch that makes a
// chosen allocation fail.
#pragma once

#include "CPMUnknown.h"
#include "ISessionMemoryService.h"

class SessionMemoryService : public CPMUnknown<ISessionMemoryService> {
 public:
  explicit SessionMemoryService(IPMUnknown* boss) : CPMUnknown(boss) {}
  ~SessionMemoryService() override;

  void* Allocate(uint32 size) override;
  void* AllocateAlt(uint32 size) override { return Allocate(size); }
  uint32 BlockSize(const void* block) const override;
  void Resize(void* block, uint32 newSize) override;
  void Free(void* block) override;

  uint64 LiveBlocks() const override { return fLiveBlocks; }
  uint64 LiveBytes() const override { return fLiveBytes; }
  uint64 AllocationCount() const override { return fAllocations; }
  void FailAllocation(uint64 nth) override { fFailAt = nth == 0 ? 0 : fAllocations + nth; }

 private:
  uint64 fLiveBlocks = 0;
  uint64 fLiveBytes = 0;
  uint64 fAllocations = 0;
  uint64 fFailAt = 0;
};
