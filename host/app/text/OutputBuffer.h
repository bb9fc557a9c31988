// Buffered writing to a stream for tools whose output may be as large as their input: text is
// gathered in a buffer of a fixed size and written out whenever it fills, so that the output
// never takes memory of its own size, and each value costs no more than copying its bytes.
#pragma once

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "BaseType.h"

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* out) : fOut(out), fBuffer(new char[kCapacity]) {}
  ~OutputBuffer() { Flush(); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void Append(std::string_view text) { AppendPiece(text); }
  void Append(char c) { *Room(1) = c, ++fUsed; }
  // Several pieces (texts, characters or unsigned numbers) in a row.
  template <class... Pieces>
  void AppendAll(const Pieces&... pieces) {
    (AppendPiece(pieces), ...);
  }
  // Bytes as uppercase hexadecimal digits, two a byte.
  void AppendHex(const uint8* bytes, size_t size);
  // 8-bit platform text decoded to UTF-8 and escaped as JSON escapes it inside a string; with
  // escapeQuote false '"' stays as it is.
  void AppendPlatformText(const uint8* bytes, size_t size, bool escapeQuote);

  void Flush();

 private:
  static constexpr size_t kCapacity = 1 << 20;
  // Room for size more bytes (at most kCapacity), after writing out what the buffer holds when
  // they do not fit.
  char* Room(size_t size) {
    if (kCapacity - fUsed < size) Flush();
    return fBuffer.get() + fUsed;
  }
  // A text larger than the buffer is written out at once.
  void WriteThrough(std::string_view text);
  void AppendPiece(std::string_view text) {
    if (text.empty()) return;  // an empty text may have no bytes to copy from
    if (text.size() > kCapacity) return WriteThrough(text);
    std::memcpy(Room(text.size()), text.data(), text.size());
    fUsed += text.size();
  }
  void AppendPiece(char c) { Append(c); }
  void AppendPiece(uint32 number) {
    char* at = Room(10);
    fUsed += static_cast<size_t>(std::to_chars(at, at + 10, number).ptr - at);
  }

  std::FILE* fOut;
  std::unique_ptr<char[]> fBuffer;
  size_t fUsed = 0;
};
