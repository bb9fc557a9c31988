// Builds an entry block in one memory block that grows by doubling, so that every byte is copied
// a constant number of times on average, and is shrunk in place to its exact size at the end.
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
  // Room for an entry of the given size behind the entries so far, or null when the block
  // cannot grow to hold it (the 32-bit size fields bound the block).
  uint8* ReserveEntry(uint64 entrySize);
  // Counts the entry just written into the reserved room.
  void CommitEntry(uint32 entrySize);
  // Writes total size and count into the head, shrinks the block to the total and hands it out.
  MemBlock Finish(uint32* size);

 private:
  uint8* fBlock = nullptr;
  uint32 fCapacity = 0;
  uint32 fUsed = 0;
  uint32 fCount = 0;
};
