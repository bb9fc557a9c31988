// Buffered writing to a stream for tools whose output may be as large as their input: text is
// gathered in a buffer of a fixed size and written out whenever it fills, so that the output
// never takes memory of its own size, and each value costs no more than copying its bytes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "BaseType.h"

class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* out) : fOut(out) { fBuffer.reserve(kFlushSize + 4096); }
  ~OutputBuffer() { Flush(); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void Append(std::string_view text) {
    AppendPiece(text);
    MaybeFlush();
  }
  void Append(char c) {
    AppendPiece(c);
    MaybeFlush();
  }
  void AppendNumber(int64 number);
  // Several pieces (texts, characters or numbers) in a row.
  template <class... Pieces>
  void AppendAll(const Pieces&... pieces) {
    (AppendPiece(pieces), ...);
    MaybeFlush();
  }
  // Bytes as uppercase hexadecimal digits, two a byte.
  void AppendHex(const uint8* bytes, size_t size);
  // 8-bit platform text decoded to UTF-8 and escaped as JSON escapes it inside a string; with
  // escapeQuote false '"' stays as it is.
  void AppendPlatformText(const uint8* bytes, size_t size, bool escapeQuote);

  void Flush();

 private:
  static constexpr size_t kFlushSize = 1 << 20;
  void AppendPiece(std::string_view text) { fBuffer.append(text); }
  void AppendPiece(char c) { fBuffer.push_back(c); }
  void AppendPiece(uint32 number);
  void MaybeFlush() {
    if (fBuffer.size() >= kFlushSize) Flush();
  }

  std::FILE* fOut;
  std::string fBuffer;
};
