#include "MemoryStreams.h"

#include <cstring>

MemoryReadStream::MemoryReadStream(std::vector<uint8> owned)
    : XferStream(true), fOwned(std::move(owned)), fData(fOwned.data()), fSize(fOwned.size()) {}

size_t MemoryReadStream::ReadBytes(uint8* buffer, size_t count) {
  size_t n = count < Remaining() ? count : Remaining();
  if (n) std::memcpy(buffer, fData + fPos, n);
  fPos += n;
  return n;
}

bool MemoryWriteStream::WriteBytes(const uint8* buffer, size_t count) {
  fSink->insert(fSink->end(), buffer, buffer + count);
  return true;
}
