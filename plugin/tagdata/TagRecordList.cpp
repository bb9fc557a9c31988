#include "tagdata/TagRecordList.h"

#include <cstring>

#include "tagdata/TagRecordLayout.h"

namespace {

uint8* RecordArea(MemBlock list) {
  return static_cast<uint8*>(list) + kTagRecordListHeadSize;
}

MemBlock NewEmptyList() {
  MemBlock list = NewMemBlock(kTagRecordListHeadSize);
  if (!list) return nullptr;
  PutBigEndian32(static_cast<uint8*>(list), 0);
  PutBigEndian32(static_cast<uint8*>(list) + 4, kTagRecordListVersion);
  return list;
}

// Takes the key's record out of a valid list, closing the gap and shrinking the block in place.
void RemoveRecord(MemBlock list, uint32& recordAreaLength, uint32 key) {
  TagRecordLocation found;
  if (!LocateTagRecord(RecordArea(list), recordAreaLength, key, &found)) return;
  const uint32 recordSize = kTagRecordHeadSize + found.dataLength;
  uint8* record = RecordArea(list) + found.offset;
  std::memmove(record, record + recordSize, recordAreaLength - found.offset - recordSize);
  recordAreaLength -= recordSize;
  PutBigEndian32(static_cast<uint8*>(list), recordAreaLength);
  ResizeMemBlock(list, recordAreaLength + kTagRecordListHeadSize);
}

}  // namespace

bool16 FindTagRecord(MemBlock list, uint32 key, MemBlock* data, uint32* length) {
  uint32 recordAreaLength = 0;
  if (!GetValidRecordAreaLength(list, &recordAreaLength)) return kFalse;
  TagRecordLocation found;
  if (!LocateTagRecord(RecordArea(list), recordAreaLength, key, &found)) return kFalse;
  if (data) {
    MemBlock copy = NewMemBlock(found.dataLength);
    if (!copy) return kFalse;
    std::memcpy(copy, RecordArea(list) + found.offset + kTagRecordHeadSize, found.dataLength);
    *data = copy;
  }
  if (length) *length = found.dataLength;
  return kTrue;
}

bool16 PutTagRecord(MemBlock& list, uint32 key, const void* data, uint32 length) {
  uint32 recordAreaLength = 0;
  if (list && !GetValidRecordAreaLength(list, &recordAreaLength)) {
    FreeMemBlock(list);
    list = nullptr;
  }
  if (!list) {
    list = NewEmptyList();
    if (!list) return kFalse;
    recordAreaLength = 0;
  }

  RemoveRecord(list, recordAreaLength, key);
  if (!data) return kTrue;

  const uint64 grownSize =
      uint64{kTagRecordListHeadSize} + recordAreaLength + kTagRecordHeadSize + length;
  if (grownSize > UINT32_MAX) return kFalse;
  MemBlock grown = NewMemBlock(static_cast<uint32>(grownSize));
  if (!grown) return kFalse;
  std::memcpy(grown, list, kTagRecordListHeadSize + recordAreaLength);
  FreeMemBlock(list);
  list = grown;

  uint8* record = RecordArea(list) + recordAreaLength;
  PutBigEndian32(record, length);
  PutBigEndian32(record + 4, key);
  std::memcpy(record + kTagRecordHeadSize, data, length);
  PutBigEndian32(static_cast<uint8*>(list), recordAreaLength + kTagRecordHeadSize + length);
  return kTrue;
}
