// Streams over files of the host's environment.
#pragma once

#include <memory>

#include "XferStream.h"
#include "platform/EnvFiles.h"

class FileReadStream final : public XferStream {
 public:
  explicit FileReadStream(std::unique_ptr<ReadableFile> file)
      : XferStream(true), fFile(std::move(file)) {}
  void Close() override { fFile.reset(); }

 protected:
  size_t ReadBytes(uint8* buffer, size_t count) override;
  bool WriteBytes(const uint8*, size_t) override { return false; }
  bool AtEnd() const override { return !fFile || fOffset >= fFile->Size(); }

 private:
  std::unique_ptr<ReadableFile> fFile;
  uint64 fOffset = 0;
};

// Writes a file in one of two ways: a replacement, which puts the new file in place whole when
// the stream is closed (and leaves the old one when anything failed), or an appending file, to
// which each write goes as it comes.
class FileWriteStream final : public XferStream {
 public:
  explicit FileWriteStream(std::unique_ptr<FileReplacement> replacement)
      : XferStream(false), fReplacement(std::move(replacement)) {}
  explicit FileWriteStream(std::unique_ptr<WritableFile> file)
      : XferStream(false), fAppending(std::move(file)) {}
  void Close() override;

 protected:
  ~FileWriteStream() override { Close(); }
  size_t ReadBytes(uint8*, size_t) override { return 0; }
  bool WriteBytes(const uint8* buffer, size_t count) override;
  bool AtEnd() const override { return true; }

 private:
  std::unique_ptr<FileReplacement> fReplacement;
  std::unique_ptr<WritableFile> fAppending;
};
