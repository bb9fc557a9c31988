// Reading and writing one record of a stored TagRecordList: a page item's own list or its
// document's list.
#pragma once

#include "BaseType.h"
#include "UIDRef.h"
#include "dataframe/memory/MemBlocks.h"

// Which stored list a record operation works on.
constexpr int32 kTagRecordSourceDocument = 0;  // the target names a document
constexpr int32 kTagRecordSourceItem = 1;      // the target names a page item

// Reads the first record with the key from the source's list. For sources 0 and 1 the outputs
// are cleared first; when found, *data receives a fresh copy of the record's data (the caller
// frees it) and *length its length. Other sources answer false and touch nothing.
bool16 ReadTagRecord(const UIDRef& target, int32 source, uint32 key, MemBlock* data,
                     uint32* length);

// Whether the page item's own list holds a record with the key: a look into the stored list,
// nothing copied. False for an item without tag data or with an invalid list.
bool16 HasItemTagRecord(const UIDRef& item, uint32 key);

// Replaces the key's record by length bytes of data; null data deletes it. For sources 0 and 1
// the data block passes to this call and is freed on every path; a length beyond the block's
// size answers false. A page item's list changes through the undoable set-data command, whose
// own result is not reflected here; a document's list goes straight to its preferences. Other
// sources answer false and leave data the caller's.
bool16 WriteTagRecord(const UIDRef& target, int32 source, uint32 key, MemBlock data, uint32 length);

// WriteTagRecord for a page item's own list, answering whether the list now holds the change:
// success only when the set-data command was made and applied it, which WriteTagRecord does not
// tell. For a caller that must not go on without the record.
ErrorCode StoreItemTagRecord(const UIDRef& item, uint32 key, MemBlock data, uint32 length);
