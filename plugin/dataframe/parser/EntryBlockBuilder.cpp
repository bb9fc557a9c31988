#include "dataframe/parser/EntryBlockBuilder.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

constexpr uint64 kMaxBlockSize = std::numeric_limits<uint32>::max();

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

bool EntryBlockBuilder::Grow(uint64 needed) {
  const uint64 size =
      std::min(std::max({needed, fExpected, uint64{fCapacity} + fCapacity / 2}), kMaxBlockSize);
  auto* larger = static_cast<uint8*>(NewMemBlock(static_cast<uint32>(size)));
  if (!larger) return false;
  std::memcpy(larger, fBlock, fUsed);
  FreeMemBlock(fBlock);
  fBlock = larger;
  fCapacity = static_cast<uint32>(size);
  return true;
}

uint8* EntryBlockBuilder::ReserveEntry(uint64 entrySize) {
  const uint64 needed = uint64{fUsed} + entrySize;
  if (needed > kMaxBlockSize) return nullptr;
  if (needed > fCapacity && !Grow(needed)) return nullptr;
  return fBlock + fUsed;
}

void EntryBlockBuilder::CommitEntry(uint32 entrySize) {
  fUsed += entrySize;
  ++fCount;
}

MemBlock EntryBlockBuilder::Finish(uint32* size) {
  WriteU32(fBlock + kDataFrameEntryBlockTotalSizeOffset, fUsed);
  WriteU32(fBlock + kDataFrameEntryBlockCountOffset, fCount);
  if (fUsed != fCapacity) ResizeMemBlock(fBlock, fUsed);
  if (size) *size = fUsed;
  return std::exchange(fBlock, nullptr);
}
