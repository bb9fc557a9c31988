// Streams over an open file, which they close when they go.
#pragma once

#include <cstdio>

#include "XferStream.h"

class FileReadStream final : public XferStream {
 public:
  explicit FileReadStream(std::FILE* file) : XferStream(true), fFile(file) {}
  void Close() override;

 protected:
  ~FileReadStream() override { Close(); }
  size_t ReadBytes(uint8* buffer, size_t count) override;
  bool WriteBytes(const uint8*, size_t) override { return false; }
  bool AtEnd() const override;

 private:
  std::FILE* fFile;
};

class FileWriteStream final : public XferStream {
 public:
  explicit FileWriteStream(std::FILE* file) : XferStream(false), fFile(file) {}
  void Flush() override;
  void Close() override;

 protected:
  ~FileWriteStream() override { Close(); }
  size_t ReadBytes(uint8*, size_t) override { return 0; }
  bool WriteBytes(const uint8* buffer, size_t count) override;
  bool AtEnd() const override { return true; }

 private:
  std::FILE* fFile;
};
