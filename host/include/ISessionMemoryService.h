// The session's memory service: the one allocator of the memory blocks that the plug-in keeps and
// hands to other plug-ins. It knows each block's size exactly and never moves a block.
#pragma once

#include "IPMUnknown.h"

class ISessionMemoryService : public IPMUnknown {
 public:
  enum { kDefaultIID = 0xFA500 };

  // A new block of exactly size bytes (0 allowed), or null when memory cannot be had.
  virtual void* Allocate(uint32 size) = 0;
  // The second allocation method; its blocks are like any other.
  virtual void* AllocateAlt(uint32 size) = 0;
  // The size last requested for the block.
  virtual uint32 BlockSize(const void* block) const = 0;
  // Shrinks the block in place; a size larger than the block's is refused and changes nothing.
  virtual void Resize(void* block, uint32 newSize) = 0;
  // Releases a block; null is ignored.
  virtual void Free(void* block) = 0;
};
