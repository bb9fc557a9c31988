#include "StreamUtil.h"

#include "FileStreams.h"
#include "MemoryStreams.h"

IPMStream* StreamUtil::CreateFileStreamRead(const IDFile& file, uint32, uint32, uint32) {
  std::FILE* f = std::fopen(file.GetUTF8Path().c_str(), "rb");
  return f ? new FileReadStream(f) : nullptr;
}

IPMStream* StreamUtil::CreateFileStreamWrite(const IDFile& file, uint32 mode, uint32, uint32) {
  std::FILE* f = std::fopen(file.GetUTF8Path().c_str(), (mode & kOpenApp) ? "ab" : "wb");
  return f ? new FileWriteStream(f) : nullptr;
}

IPMStream* StreamUtil::CreateMemoryStreamRead(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8*>(data);
  return new MemoryReadStream(std::vector<uint8>(bytes, bytes + (bytes ? size : 0)));
}

IPMStream* StreamUtil::CreateMemoryStreamWrite(std::vector<uint8>* sink) {
  return sink ? new MemoryWriteStream(sink) : nullptr;
}
