// The entry block of a target page item: the bodies of the data frames that apply to it, parsed.
#pragma once

#include "PMString.h"
#include "UIDRef.h"
#include "dataframe/DataFrameTypes.h"
#include "dataframe/lookup/DataFrameGathering.h"
#include "dataframe/memory/MemBlocks.h"

// Appends to text the body of each data frame of the bucket, in order: its text less the header
// (everything up to the first "/>" after the first "<dataframe"; the whole text when either is
// missing).
void AppendDataFrameBodies(const std::vector<GatheredDataFrame>& bucket, PMString& text);

// Gathers the data frames of the type that apply to the target and parses their bodies, document
// scope first, then spread, then page scope, into a new DataFrameEntryBlock. The given outputs
// are cleared first; the block then belongs to the caller, who frees it with FreeMemBlock.
// Answers 1 for the invalid reference (outputs stay cleared), else 0, also when no data frame
// applies (a block with no entries) or the block cannot be allocated (outputs stay cleared).
ErrorCode GetDataFrameEntries(const UIDRef& target, DataFrameType type, MemBlock* block,
                              uint32* size);
