// Test helpers: memory blocks written and read as hexadecimal text, and record lists built from
// records, so that byte layouts can be stated as they appear in stored documents.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dataframe/memory/MemBlocks.h"

// A block holding the bytes of hex digits (blanks ignored).
MemBlock BlockFromHex(const std::string& hex);
// The block's bytes as uppercase hex, blank-free; "null" for no block.
std::string HexOfBlock(MemBlock block);
// Uppercase hex of a byte run, blank-free.
std::string HexOfBytes(const void* bytes, size_t count);

// Hex of a list head and of one record, for composing expected lists.
std::string ListHeadHex(uint32 recordAreaLength, uint32 version = 1);
std::string RecordHex(uint32 key, const std::string& dataHex);
// A whole valid list of the records, each given as key and data hex.
std::string ListHex(const std::vector<std::pair<uint32, std::string>>& records, uint32 version = 1);
