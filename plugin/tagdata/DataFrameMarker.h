// The DataFrameMarker: the record whose presence in a page item's tag data makes the item a data
// frame. Its 260-byte payload is stored in the host's native byte order (little-endian).
#pragma once

#include <cstddef>

#include "BaseType.h"
#include "PMString.h"
#include "dataframe/memory/MemBlocks.h"

// "AQM1".
constexpr uint32 kDataFrameMarkerKey = 0x41514D31;
constexpr uint16 kDataFrameMarkerVersion = 1;
constexpr int32 kDataFrameMarkerFrameIDSize = 256;

struct DataFrameMarker {
  uint16 version;
  // 8-bit platform text, always NUL-terminated within the field.
  char frameID[kDataFrameMarkerFrameIDSize];
  // Which side of the frame the slug is drawn on, 0 to 3.
  int16 slugPosition;
};
static_assert(offsetof(DataFrameMarker, version) == 0, "marker layout");
static_assert(offsetof(DataFrameMarker, frameID) == 2, "marker layout");
static_assert(offsetof(DataFrameMarker, slugPosition) == 258, "marker layout");
static_assert(sizeof(DataFrameMarker) == 260, "marker layout");

constexpr uint32 kDataFrameMarkerSize = sizeof(DataFrameMarker);

// A new 260-byte block holding a marker of version 1 with the frame ID cut to 255 bytes of
// platform text; null when the block cannot be allocated. The caller owns the block.
MemBlock NewDataFrameMarker(const PMString& frameID, int16 slugPosition);

// What a reader takes from a stored marker payload of length bytes. A payload written by another
// program may be shorter than 260 bytes: the frame ID then ends where the payload does, and a
// slug position that is not wholly there reads as 0.
struct DataFrameMarkerFields {
  PMString frameID;
  int16 slugPosition = 0;
};
DataFrameMarkerFields ReadDataFrameMarker(const void* payload, uint32 length);
