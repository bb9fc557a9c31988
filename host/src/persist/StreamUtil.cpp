#include "StreamUtil.h"

#include "FileStreams.h"
#include "MemoryStreams.h"
#include "app/Host.h"

IPMStream* StreamUtil::CreateFileStreamRead(const IDFile& file, uint32, uint32, uint32) {
  std::unique_ptr<ReadableFile> read = Host::CurrentEnv().OpenReadable(file.GetUTF8Path(), nullptr);
  return read ? new FileReadStream(std::move(read)) : nullptr;
}

// A file written whole replaces the old one only once it is complete (when the stream closes).
IPMStream* StreamUtil::CreateFileStreamWrite(const IDFile& file, uint32 mode, uint32, uint32) {
  Env& env = Host::CurrentEnv();
  const std::string path = file.GetUTF8Path();
  if (mode & kOpenApp) {
    std::unique_ptr<WritableFile> appending = env.OpenWritable(path, true, nullptr);
    return appending ? new FileWriteStream(std::move(appending)) : nullptr;
  }
  std::unique_ptr<FileReplacement> replacement = FileReplacement::Begin(env, path, nullptr);
  return replacement ? new FileWriteStream(std::move(replacement)) : nullptr;
}

IPMStream* StreamUtil::CreateMemoryStreamRead(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8*>(data);
  return new MemoryReadStream(std::vector<uint8>(bytes, bytes + (bytes ? size : 0)));
}

IPMStream* StreamUtil::CreateMemoryStreamWrite(std::vector<uint8>* sink) {
  return sink ? new MemoryWriteStream(sink) : nullptr;
}
