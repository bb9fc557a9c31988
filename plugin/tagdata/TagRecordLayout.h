// The byte layout of a TagRecordList, the keyed record list that page items and documents hold:
//
//   list:   u32 L (bytes of records that follow) | u32 format version | L bytes of records
//   record: u32 n (bytes of data)                | u32 key            | n bytes of data
//
// The framing integers are big-endian whatever the host's byte order, records are packed back to
// back in the order they were appended, and nothing is aligned. Record data is opaque here.
#pragma once

#include "BaseType.h"
#include "dataframe/memory/MemBlocks.h"

constexpr uint32 kTagRecordListHeadSize = 8;
constexpr uint32 kTagRecordHeadSize = 8;
// Written into every list this plug-in creates; later edits carry the stored word along.
constexpr uint32 kTagRecordListVersion = 1;

inline uint32 GetBigEndian32(const uint8* bytes) {
  return (uint32{bytes[0]} << 24) | (uint32{bytes[1]} << 16) | (uint32{bytes[2]} << 8) |
         uint32{bytes[3]};
}

inline void PutBigEndian32(uint8* bytes, uint32 value) {
  bytes[0] = static_cast<uint8>(value >> 24);
  bytes[1] = static_cast<uint8>(value >> 16);
  bytes[2] = static_cast<uint8>(value >> 8);
  bytes[3] = static_cast<uint8>(value);
}

// The record area's length L of a list, or nothing when the block is not a valid list: a valid
// list is at least 8 bytes long and exactly L + 8 bytes long.
bool16 GetValidRecordAreaLength(MemBlock list, uint32* recordAreaLength);

// Where a key's record lies inside a valid list's record area.
struct TagRecordLocation {
  uint32 offset;      // from the start of the record area
  uint32 dataLength;  // n
};

// Walks the record area for the first record with the key. A record counts only when it lies
// wholly inside the area; a walk that would step past the area's end finds nothing.
bool16 LocateTagRecord(const uint8* recordArea, uint32 recordAreaLength, uint32 key,
                       TagRecordLocation* location);
