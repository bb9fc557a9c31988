#include "tagdata/DataFrameMarker.h"

#include <cstring>

MemBlock NewDataFrameMarker(const PMString& frameID, int16 slugPosition) {
  MemBlock block = NewMemBlock(kDataFrameMarkerSize);
  if (!block) return nullptr;
  DataFrameMarker marker;
  std::memset(&marker, 0, sizeof marker);
  marker.version = kDataFrameMarkerVersion;
  frameID.GetCString(marker.frameID, kDataFrameMarkerFrameIDSize);
  marker.slugPosition = slugPosition;
  std::memcpy(block, &marker, sizeof marker);
  return block;
}

DataFrameMarkerFields ReadDataFrameMarker(const void* payload, uint32 length) {
  DataFrameMarkerFields fields;
  if (!payload) return fields;
  const auto* bytes = static_cast<const uint8*>(payload);
  const uint32 frameIDStart = offsetof(DataFrameMarker, frameID);
  if (length > frameIDStart) {
    const uint32 available = length - frameIDStart;
    const uint32 fieldBytes = available < kDataFrameMarkerFrameIDSize
                                  ? available
                                  : static_cast<uint32>(kDataFrameMarkerFrameIDSize);
    const auto* text = reinterpret_cast<const char*>(bytes + frameIDStart);
    const void* nul = std::memchr(text, 0, fieldBytes);
    const uint32 textLength =
        nul ? static_cast<uint32>(static_cast<const char*>(nul) - text) : fieldBytes;
    fields.frameID.SetCString(text, static_cast<int32>(textLength));
  }
  if (length >= kDataFrameMarkerSize) {
    std::memcpy(&fields.slugPosition, bytes + offsetof(DataFrameMarker, slugPosition),
                sizeof fields.slugPosition);
  }
  return fields;
}
