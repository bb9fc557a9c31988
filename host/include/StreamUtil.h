// Making streams: over files, for an implementation's ReadWrite or a plug-in's own files, and
// over bytes in memory.
#pragma once

#include <vector>

#include "IDFile.h"
#include "IPMStream.h"

class HOST_API StreamUtil {
 public:
  // Open modes of a file stream, combined with |.
  enum { kOpenIn = 1, kOpenOut = 2, kOpenTrunc = 4, kOpenApp = 8 };

  // A stream that reads the file, with one reference, or null when it cannot be opened. The file
  // type and creator are the host's file-kind codes and change nothing here.
  static IPMStream* CreateFileStreamRead(const IDFile& file, uint32 mode = kOpenIn,
                                         uint32 fileType = 0, uint32 creator = 0);
  // A stream that writes the file, or null. Written whole, the new file takes the old one's place
  // when the stream is closed, and a failure leaves the old one as it was; with kOpenApp each
  // write is appended to the file (made when missing).
  static IPMStream* CreateFileStreamWrite(const IDFile& file, uint32 mode = kOpenOut | kOpenTrunc,
                                          uint32 fileType = 0, uint32 creator = 0);
  // A stream that reads a copy of the bytes.
  static IPMStream* CreateMemoryStreamRead(const void* data, size_t size);
  // A stream that appends what is written to the caller's vector, which must outlive it.
  static IPMStream* CreateMemoryStreamWrite(std::vector<uint8>* sink);
};
