// Finding and editing one record of a TagRecordList held in memory (layout: TagRecordLayout.h).
#pragma once

#include "BaseType.h"
#include "dataframe/memory/MemBlocks.h"

// Searches a list the caller holds (null allowed, only read) for the first record with the key.
// False for a null or invalid list or when no record has the key. When found: *data, if asked
// for, receives a fresh block with a copy of the record's data (the caller frees it; false when
// it cannot be allocated) and *length, if asked for, the data's length.
bool16 FindTagRecord(MemBlock list, uint32 key, MemBlock* data, uint32* length);

// Replaces the key's record by length bytes of data, appended at the end of the list; null data
// only deletes the key's record (true whether or not there was one). An invalid list is released
// and replaced by a fresh empty one, so list may change. False when memory runs out: with no
// fresh list to be had list stays null; when the grown list cannot be had, list keeps its
// content minus the key's old record. The caller keeps data.
bool16 PutTagRecord(MemBlock& list, uint32 key, const void* data, uint32 length);
