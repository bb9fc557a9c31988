// The session's memory service: the plug-in's view of the host's block allocator.
#pragma once

#include "BlockAllocator.h"
#include "CPMUnknown.h"
#include "ISessionMemoryService.h"
#include "app/Host.h"

class SessionMemoryService : public CPMUnknown<ISessionMemoryService> {
 public:
  explicit SessionMemoryService(IPMUnknown* boss) : CPMUnknown(boss) {}

  void* Allocate(uint32 size) override {
    void* block = Blocks().Allocate(size);
    if (!block) Host::Get().CountRefusal();
    return block;
  }
  void* AllocateAlt(uint32 size) override { return Allocate(size); }
  uint32 BlockSize(const void* block) const override { return block ? Blocks().Size(block) : 0; }
  void Resize(void* block, uint32 newSize) override {
    if (block && newSize <= Blocks().Size(block)) Blocks().Shrink(block, newSize);
  }
  void Free(void* block) override {
    if (block) Blocks().Free(block);
  }

 private:
  static BlockAllocator& Blocks() { return Host::Get().Blocks(); }
};
