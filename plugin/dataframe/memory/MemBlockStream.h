// Moving the bytes of a memory block through a host stream, with the block's size stored
// separately by the caller.
#pragma once

#include "BaseType.h"
#include "dataframe/memory/MemBlocks.h"

class IPMStream;

// Reads size bytes into a new block. The bytes are gathered in pieces before the block is made,
// so that a stored size larger than what the stream holds cannot make the reader allocate it.
// Null when the stream runs out first (the stream is then in its failed state) or when the block
// cannot be allocated (the stream is still positioned after the bytes).
MemBlock ReadMemBlock(IPMStream* stream, uint32 size);

// Writes the block's bytes (none for no block).
void WriteMemBlock(IPMStream* stream, MemBlock block);
