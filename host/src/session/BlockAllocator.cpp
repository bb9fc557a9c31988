#include "BlockAllocator.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Platform.h"

namespace {

// Each block is preceded by a header that records its size; the magic word catches a pointer
// that is no block before it corrupts anything.
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

void* HeapBlocks::Allocate(uint32 size) {
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
  if (!header) return nullptr;
  // Large blocks are mostly written whole, right after they are made (entry blocks of long texts).
  Platform::PreferLargePages(header, sizeof(BlockHeader) + size);
  header->size = size;
  header->magic = kLiveMagic;
  header->reserved = 0;
  return header + 1;
}

uint32 HeapBlocks::Size(const void* block) const {
  return HeaderOf(block)->size;
}

void HeapBlocks::Shrink(void* block, uint32 newSize) {
  HeaderOf(block)->size = newSize;
}

void HeapBlocks::Free(void* block) {
  BlockHeader* header = HeaderOf(block);
  header->magic = kFreedMagic;
  std::free(header);
}
