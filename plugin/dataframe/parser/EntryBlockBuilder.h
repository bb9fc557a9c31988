// Builds an entry block: the head first, then, once the size of all entries is known, one larger
// block into which the entries are written without ever being copied again.
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
  // Grows the block, in one allocation, to hold entries of the given size in all behind the
  // head; false, the head kept as it is, when that block cannot be had or exceeds 32 bits.
  bool Reserve(uint64 entriesSize);
  // Room for an entry of the given size behind the entries so far, or null when the reserved
  // block has no room for it.
  uint8* ReserveEntry(uint64 entrySize);
  // Counts the entry just written into the room ReserveEntry gave.
  void CommitEntry(uint32 entrySize);
  // Writes total size and count into the head, shrinks the block to the total (it is at most
  // what was reserved) and hands it out.
  MemBlock Finish(uint32* size);

 private:
  uint8* fBlock = nullptr;
  uint32 fCapacity = 0;
  uint32 fUsed = 0;
  uint32 fCount = 0;
};
