#include "dataframe/memory/MemBlockStream.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "IPMStream.h"

namespace {
constexpr uint32 kPieceSize = 64 * 1024;
}  // namespace

MemBlock ReadMemBlock(IPMStream* stream, uint32 size) {
  std::vector<uint8> bytes;
  while (bytes.size() < size) {
    const uint32 piece = std::min<uint32>(kPieceSize, size - static_cast<uint32>(bytes.size()));
    const size_t at = bytes.size();
    bytes.resize(at + piece);
    if (stream->XferByte(bytes.data() + at, static_cast<int32>(piece)) != static_cast<int32>(piece))
      return nullptr;
  }
  MemBlock block = NewMemBlock(size);
  if (block && size > 0) std::memcpy(block, bytes.data(), size);
  return block;
}

void WriteMemBlock(IPMStream* stream, MemBlock block) {
  uint32 left = MemBlockSize(block);
  auto* bytes = static_cast<uint8*>(block);
  while (left > 0) {
    const uint32 piece = std::min(kPieceSize, left);
    stream->XferByte(bytes, static_cast<int32>(piece));
    bytes += piece;
    left -= piece;
  }
}
