#include "SessionMemoryService.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Each block is preceded by a header that records its size; the magic word catches a pointer
// that is no block of this service before it corrupts anything.
struct BlockHeader {
  uint32 size;
  uint32 magic;
  uint64 reserved;  // keeps the block 16-byte aligned
};
constexpr uint32 kLiveMagic = 0x4D424C4B;   // "MBLK"
constexpr uint32 kFreedMagic = 0x46524545;  // "FREE"

BlockHeader* HeaderOf(const void* block) {
  auto* header = reinterpret_cast<BlockHeader*>(const_cast<char*>(static_cast<const char*>(block)) -
                                                sizeof(BlockHeader));
  if (header->magic != kLiveMagic) {
    std::fprintf(stderr, "memory service: %p is not a live memory block\n", block);
    std::abort();
  }
  return header;
}

}  // namespace

SessionMemoryService::~SessionMemoryService() = default;

void* SessionMemoryService::Allocate(uint32 size) {
  ++fAllocations;
  if (fFailAt != 0 && fAllocations == fFailAt) {
    fFailAt = 0;
    return nullptr;
  }
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
  if (!header) return nullptr;
  header->size = size;
  header->magic = kLiveMagic;
  header->reserved = 0;
  ++fLiveBlocks;
  fLiveBytes += size;
  return header + 1;
}

uint32 SessionMemoryService::BlockSize(const void* block) const {
  return block ? HeaderOf(block)->size : 0;
}

void SessionMemoryService::Resize(void* block, uint32 newSize) {
  if (!block) return;
  BlockHeader* header = HeaderOf(block);
  if (newSize > header->size) return;
  fLiveBytes -= header->size - newSize;
  header->size = newSize;
}

void SessionMemoryService::Free(void* block) {
  if (!block) return;
  BlockHeader* header = HeaderOf(block);
  --fLiveBlocks;
  fLiveBytes -= header->size;
  header->magic = kFreedMagic;
  std::free(header);
}
