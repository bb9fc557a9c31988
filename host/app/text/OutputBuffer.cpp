#include "text/OutputBuffer.h"

#include <algorithm>
#include <array>

#include "text/OutputText.h"

void OutputBuffer::WriteThrough(std::string_view text) {
  Flush();
  std::fwrite(text.data(), 1, text.size(), fOut);
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
  constexpr size_t kPiece = kCapacity / 2;
  for (size_t done = 0; done < size; done += kPiece) {
    const size_t piece = std::min(kPiece, size - done);
    char* out = Room(2 * piece);
    for (size_t i = 0; i < piece; ++i) std::memcpy(out + 2 * i, kPairs[bytes[done + i]], 2);
    fUsed += 2 * piece;
  }
}

void OutputBuffer::AppendPlatformText(const uint8* bytes, size_t size, bool escapeQuote) {
  constexpr size_t kPiece = kCapacity / kMaxEscapedPlatformChar;
  for (size_t done = 0; done < size; done += kPiece) {
    const size_t piece = std::min(kPiece, size - done);
    char* out = Room(kMaxEscapedPlatformChar * piece);
    fUsed +=
        static_cast<size_t>(WritePlatformTextEscaped(out, bytes + done, piece, escapeQuote) - out);
  }
}

void OutputBuffer::Flush() {
  if (fUsed != 0) std::fwrite(fBuffer.get(), 1, fUsed, fOut);
  fUsed = 0;
}
