#include "text/OutputBuffer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "text/OutputText.h"

void OutputBuffer::AppendNumber(int64 number) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Append(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void OutputBuffer::AppendPiece(uint32 number) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  fBuffer.append(digits, static_cast<size_t>(end - digits));
}

void OutputBuffer::AppendHex(const uint8* bytes, size_t size) {
  // The two digits of every byte, built once, so that each byte is one look-up.
  static const std::array<char[2], 256> kPairs = [] {
    static const char kDigits[] = "0123456789ABCDEF";
    std::array<char[2], 256> pairs;
    for (unsigned b = 0; b < 256; ++b) {
      pairs[b][0] = kDigits[b >> 4];
      pairs[b][1] = kDigits[b & 0x0F];
    }
    return pairs;
  }();
  constexpr size_t kPiece = kFlushSize / 2;
  for (size_t done = 0; done < size; done += kPiece) {
    const size_t piece = std::min(kPiece, size - done);
    const size_t at = fBuffer.size();
    fBuffer.resize(at + 2 * piece);
    char* out = &fBuffer[at];
    for (size_t i = 0; i < piece; ++i) std::memcpy(out + 2 * i, kPairs[bytes[done + i]], 2);
    MaybeFlush();
  }
}

void OutputBuffer::AppendPlatformText(const uint8* bytes, size_t size, bool escapeQuote) {
  AppendPlatformTextEscaped(fBuffer, bytes, size, escapeQuote);
  MaybeFlush();
}

void OutputBuffer::Flush() {
  if (!fBuffer.empty()) std::fwrite(fBuffer.data(), 1, fBuffer.size(), fOut);
  fBuffer.clear();
}
