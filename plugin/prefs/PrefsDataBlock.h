// The block of bytes that a preferences object keeps: its own copy of what it was given, with the
// byte count stored beside it. A count of 0xFFFFFFFF means no data; the object then holds an empty
// block or none, and hands out nothing.
#pragma once

#include "BaseType.h"
#include "dataframe/memory/MemBlocks.h"

class IPMStream;

class PrefsDataBlock {
 public:
  static constexpr uint32 kNoData = 0xFFFFFFFF;

  PrefsDataBlock() = default;
  ~PrefsDataBlock() { FreeMemBlock(fBlock); }
  PrefsDataBlock(const PrefsDataBlock&) = delete;
  PrefsDataBlock& operator=(const PrefsDataBlock&) = delete;

  // A fresh copy for the caller to free; null when there is no data or no memory.
  MemBlock Copy() const;
  // Keeps a copy of the given block (null for no data); the caller keeps its block. When the
  // copy cannot be allocated the object holds no data.
  void Replace(MemBlock given);
  // The count, then the bytes.
  void ReadWrite(IPMStream* stream);

  uint32 Size() const { return fSize; }

 private:
  uint32 fSize = kNoData;
  MemBlock fBlock = nullptr;
};
