// Turning the joined body text of data frames into a DataFrameEntryBlock.
#pragma once

#include "PMString.h"
#include "dataframe/DataFrameTypes.h"
#include "dataframe/memory/MemBlocks.h"

// Cuts the comments out of the text (in place) and, for labels, turns each non-empty line into
// a label/value entry. Hands out a new memory block that the caller frees, and its size. When
// even the block's head cannot be allocated, nothing is handed out and the text is left as it
// was; an entry for which the block cannot grow is dropped, the block holding exactly the
// entries that its head counts. Null outs are not written (a block nobody receives is freed).
// Time and memory are linear in the length of the text.
void ParseDataFrameEntries(PMString& text, DataFrameType type, MemBlock* block, uint32* size);

// The same for the whole text of one data frame, whose body begins at bodyStart
// (DataFrameBodyStart): the header before it is dropped from the text as the comments are cut,
// in the same pass, rather than copied out or moved first.
void ParseDataFrameBody(PMString& text, int32 bodyStart, DataFrameType type, MemBlock* block,
                        uint32* size);
