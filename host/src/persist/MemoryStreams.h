// Streams over bytes in memory: the form in which undo snapshots and the parts of a document file
// pass through an implementation's ReadWrite.
#pragma once

#include <vector>

#include "XferStream.h"

// Reads a run of bytes that the caller keeps alive, or that the stream owns.
class MemoryReadStream final : public XferStream {
 public:
  MemoryReadStream(const uint8* data, size_t size) : XferStream(true), fData(data), fSize(size) {}
  explicit MemoryReadStream(std::vector<uint8> owned);

  size_t Remaining() const { return fSize - fPos; }

 protected:
  size_t ReadBytes(uint8* buffer, size_t count) override;
  bool WriteBytes(const uint8*, size_t) override { return false; }
  bool AtEnd() const override { return fPos == fSize; }

 private:
  std::vector<uint8> fOwned;
  const uint8* fData;
  size_t fSize;
  size_t fPos = 0;
};

// Appends what is written to a byte vector: the stream's own, or the caller's sink.
class MemoryWriteStream final : public XferStream {
 public:
  MemoryWriteStream() : XferStream(false), fSink(&fOwned) {}
  explicit MemoryWriteStream(std::vector<uint8>* sink) : XferStream(false), fSink(sink) {}

  const std::vector<uint8>& Bytes() const { return *fSink; }

 protected:
  size_t ReadBytes(uint8*, size_t) override { return 0; }
  bool WriteBytes(const uint8* buffer, size_t count) override;
  bool AtEnd() const override { return true; }

 private:
  std::vector<uint8> fOwned;
  std::vector<uint8>* fSink;
};
