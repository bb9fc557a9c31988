#include "dataframe/parser/EntryBlockBuilder.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

constexpr uint64 kMaxBlockSize = std::numeric_limits<uint32>::max();
// The first growth makes room for a few lines at once.
constexpr uint64 kFirstGrowth = 256;

void WriteU32(uint8* at, uint32 value) {
  std::memcpy(at, &value, sizeof value);
}

}  // namespace

EntryBlockBuilder::~EntryBlockBuilder() {
  FreeMemBlock(fBlock);
}

bool EntryBlockBuilder::Start(DataFrameType type) {
  fBlock = static_cast<uint8*>(NewMemBlock(kDataFrameEntryBlockHeadSize));
  if (!fBlock) return false;
  fCapacity = fUsed = kDataFrameEntryBlockHeadSize;
  WriteU32(fBlock + kDataFrameEntryBlockVersionOffset, kDataFrameEntryBlockVersion);
  WriteU32(fBlock + kDataFrameEntryBlockTypeOffset, static_cast<uint32>(static_cast<int32>(type)));
  return true;
}

uint8* EntryBlockBuilder::ReserveEntry(uint64 entrySize) {
  uint64 needed = uint64{fUsed} + entrySize;
  if (needed > kMaxBlockSize) return nullptr;
  if (needed > fCapacity) {
    uint64 grown = std::min(kMaxBlockSize, std::max({needed, 2 * uint64{fCapacity}, kFirstGrowth}));
    auto* larger = static_cast<uint8*>(NewMemBlock(static_cast<uint32>(grown)));
    if (!larger) return nullptr;
    std::memcpy(larger, fBlock, fUsed);  // may exceed what a 32-bit signed count can say
    FreeMemBlock(fBlock);
    fBlock = larger;
    fCapacity = static_cast<uint32>(grown);
  }
  return fBlock + fUsed;
}

void EntryBlockBuilder::CommitEntry(uint32 entrySize) {
  fUsed += entrySize;
  ++fCount;
}

MemBlock EntryBlockBuilder::Finish(uint32* size) {
  WriteU32(fBlock + kDataFrameEntryBlockTotalSizeOffset, fUsed);
  WriteU32(fBlock + kDataFrameEntryBlockCountOffset, fCount);
  ResizeMemBlock(fBlock, fUsed);
  if (size) *size = fUsed;
  return std::exchange(fBlock, nullptr);
}
