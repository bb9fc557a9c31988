#include "FileStreams.h"

size_t FileReadStream::ReadBytes(uint8* buffer, size_t count) {
  size_t done = 0;
  while (fFile && done < count) {
    size_t read = 0;
    if (!fFile->Read(fOffset, count - done, buffer + done, &read, nullptr) || read == 0) break;
    fOffset += read;
    done += read;
  }
  return done;
}

bool FileWriteStream::WriteBytes(const uint8* buffer, size_t count) {
  if (fReplacement) return fReplacement->Append(buffer, count, nullptr);
  return fAppending && fAppending->Append(buffer, count, nullptr);
}

void FileWriteStream::Close() {
  const bool closed = fReplacement ? fReplacement->Commit(nullptr)
                      : fAppending ? fAppending->Close(nullptr)
                                   : true;
  if (!closed) Fail();
  fReplacement.reset();
  fAppending.reset();
}
