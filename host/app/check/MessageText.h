// The message of a finding as it is put together.
#pragma once

#include <charconv>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>

#include "text/OutputText.h"

// Texts, numbers and escaped 8-bit text appended to a buffer that is kept from one finding to the
// next; each piece is copied inline, since a large text can have a finding on every line.
class MessageText {
 public:
  MessageText& operator=(std::string_view text) {
    fSize = 0;
    return *this += text;
  }
  MessageText& operator+=(std::string_view text) {
    if (text.empty()) return *this;  // an empty text may have no bytes to copy from
    std::memcpy(Room(text.size()), text.data(), text.size());
    fSize += text.size();
    return *this;
  }
  // 8-bit platform text, escaped as inside a JSON string.
  void AppendPlatformText(const uint8* bytes, size_t size) {
    char* at = Room(kMaxEscapedPlatformChar * size);
    fSize += static_cast<size_t>(WritePlatformTextEscaped(at, bytes, size, true) - at);
  }
  // Several pieces in a row: texts, literals (whose length is known) and integers.
  template <class... Pieces>
  void AppendAll(const Pieces&... pieces) {
    (AppendPiece(pieces), ...);
  }
  std::string_view View() const { return {fData.get(), fSize}; }

 private:
  template <class Piece>
  void AppendPiece(const Piece& piece) {
    if constexpr (std::is_integral_v<Piece>) {
      char* at = Room(24);
      fSize += static_cast<size_t>(std::to_chars(at, at + 24, piece).ptr - at);
    } else if constexpr (std::is_array_v<Piece>) {
      *this += std::string_view(piece, std::extent_v<Piece> - 1);
    } else {
      *this += piece;
    }
  }
  char* Room(size_t size) {
    if (fCapacity - fSize < size) {
      const size_t capacity = std::max(fSize + size, 2 * fCapacity);
      std::unique_ptr<char[]> larger(new char[capacity]);
      if (fSize != 0) std::memcpy(larger.get(), fData.get(), fSize);
      fData = std::move(larger);
      fCapacity = capacity;
    }
    return fData.get() + fSize;
  }

  std::unique_ptr<char[]> fData;
  size_t fSize = 0;
  size_t fCapacity = 0;
};
