// Builds an entry block: the head first, then the entries written one after the other straight
// into the block, which grows rarely: at its first entry to the size the caller expects the
// entries to take, later by half again.
#pragma once

#include "dataframe/DataFrameTypes.h"
#include "dataframe/memory/MemBlocks.h"

class EntryBlockBuilder {
 public:
  EntryBlockBuilder() = default;
  EntryBlockBuilder(const EntryBlockBuilder&) = delete;
  EntryBlockBuilder& operator=(const EntryBlockBuilder&) = delete;
  // Frees a block that was never handed out.
  ~EntryBlockBuilder();

  // Allocates the 16-byte head for the type; false when it cannot be had.
  bool Start(DataFrameType type);
  // How many bytes the whole block is expected to take; the first growth allocates that much.
  void Expect(uint64 blockSize) { fExpected = blockSize; }
  // Room for an entry of the given size behind the entries so far, the block grown when it is
  // full. Null, the block kept as it is, when the larger block cannot be had or would pass 32
  // bits.
  uint8* ReserveEntry(uint64 entrySize);
  // Counts the entry just written into the room ReserveEntry gave.
  void CommitEntry(uint32 entrySize);
  // Writes total size and count into the head, shrinks the block in place to the total and hands
  // it out.
  MemBlock Finish(uint32* size);

 private:
  bool Grow(uint64 needed);

  uint8* fBlock = nullptr;
  uint32 fCapacity = 0;
  uint32 fUsed = 0;
  uint32 fCount = 0;
  uint64 fExpected = 0;
};
