#include "FileStreams.h"

void FileReadStream::Close() {
  if (fFile) std::fclose(fFile);
  fFile = nullptr;
}

size_t FileReadStream::ReadBytes(uint8* buffer, size_t count) {
  return fFile ? std::fread(buffer, 1, count, fFile) : 0;
}

bool FileReadStream::AtEnd() const {
  if (!fFile) return true;
  int c = std::fgetc(fFile);
  if (c == EOF) return true;
  std::ungetc(c, fFile);
  return false;
}

void FileWriteStream::Flush() {
  if (fFile && std::fflush(fFile) != 0) Fail();
}

void FileWriteStream::Close() {
  if (fFile && std::fclose(fFile) != 0) Fail();
  fFile = nullptr;
}

bool FileWriteStream::WriteBytes(const uint8* buffer, size_t count) {
  return fFile && std::fwrite(buffer, 1, count, fFile) == count;
}
