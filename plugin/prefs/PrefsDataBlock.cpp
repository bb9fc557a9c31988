#include "prefs/PrefsDataBlock.h"

#include <cstring>

#include "IPMStream.h"
#include "dataframe/memory/MemBlockStream.h"

MemBlock PrefsDataBlock::Copy() const {
  if (!fBlock || fSize == kNoData) return nullptr;
  MemBlock copy = NewMemBlock(fSize);
  if (copy && fSize > 0) std::memcpy(copy, fBlock, fSize);
  return copy;
}

void PrefsDataBlock::Replace(MemBlock given) {
  FreeMemBlock(fBlock);
  fSize = kNoData;
  const uint32 size = given ? MemBlockSize(given) : 0;
  fBlock = NewMemBlock(size);
  if (!fBlock || !given) return;
  fSize = size;
  if (size > 0) std::memcpy(fBlock, given, size);
}

void PrefsDataBlock::ReadWrite(IPMStream* stream) {
  stream->XferInt32(fSize);
  if (stream->IsWriting()) {
    WriteMemBlock(stream, fBlock);
    return;
  }
  FreeMemBlock(fBlock);
  fBlock = ReadMemBlock(stream, fSize == kNoData ? 0 : fSize);
  if (!fBlock) fSize = kNoData;
}
