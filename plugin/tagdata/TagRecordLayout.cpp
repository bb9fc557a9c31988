#include "tagdata/TagRecordLayout.h"

bool16 GetValidRecordAreaLength(MemBlock list, uint32* recordAreaLength) {
  if (!list) return kFalse;
  const uint32 blockSize = MemBlockSize(list);
  if (blockSize < kTagRecordListHeadSize) return kFalse;
  const uint32 length = GetBigEndian32(static_cast<const uint8*>(list));
  // Compared in the block's terms so that L near 2^32 cannot wrap around.
  if (blockSize - kTagRecordListHeadSize != length) return kFalse;
  *recordAreaLength = length;
  return kTrue;
}

bool16 LocateTagRecord(const uint8* recordArea, uint32 recordAreaLength, uint32 key,
                       TagRecordLocation* location) {
  uint64 offset = 0;
  while (offset + kTagRecordHeadSize <= recordAreaLength) {
    const uint8* head = recordArea + offset;
    const uint32 dataLength = GetBigEndian32(head);
    const uint64 recordEnd = offset + kTagRecordHeadSize + dataLength;
    if (recordEnd > recordAreaLength) return kFalse;
    if (GetBigEndian32(head + 4) == key) {
      location->offset = static_cast<uint32>(offset);
      location->dataLength = dataLength;
      return kTrue;
    }
    offset = recordEnd;
  }
  return kFalse;
}
