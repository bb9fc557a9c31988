#include "CommandInput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/Platform.h"

namespace {

// A PMString counts its characters in 32 bits; UTF-8 never has fewer bytes than UTF-16 units.
constexpr size_t kMaxInputBytes = std::numeric_limits<int32>::max();
constexpr size_t kPieceSize = 1 << 20;

// How many bytes at the end of the piece begin a character that the piece does not complete:
// 0 to 3, to be decoded with the next piece.
size_t IncompleteTail(const unsigned char* piece, size_t size) {
  for (size_t back = 1; back <= 3 && back <= size; ++back) {
    const unsigned char byte = piece[size - back];
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

// The size of a file from its stream, or 0 when it cannot be told (standard input, a pipe).
size_t KnownSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  std::rewind(file);
  return size > 0 && static_cast<size_t>(size) <= kMaxInputBytes ? static_cast<size_t>(size) : 0;
}

}  // namespace

bool ReadUTF8Input(const std::string& path, PMString& text, std::string& error) {
  const bool fromStdin = path == "-";
  const std::string shownName = fromStdin ? "standard input" : "'" + path + "'";
  std::FILE* file = fromStdin ? stdin : std::fopen(path.c_str(), "rb");
  if (!file) {
    error = "cannot open " + shownName + ": " + std::strerror(errno);
    return false;
  }
  // The input is decoded piece by piece into a text made large enough at once when the file's
  // size is known, so that the input's bytes are never held whole beside their text.
  text.Clear();
  if (!fromStdin) {
    std::u16string& units = text.GetUTF16Mutable();
    units.reserve(KnownSize(file));
    Platform::PreferLargePages(units.data(), units.capacity() * sizeof(char16_t));
  }
  std::string piece(kPieceSize, '\0');
  size_t carried = 0;  // bytes of a character begun at the end of the last piece
  size_t total = 0;
  bool tooLarge = false;
  bool wellFormed = true;
  for (;;) {
    const size_t got = std::fread(&piece[carried], 1, kPieceSize - carried, file);
    if (got == 0) break;
    total += got;
    if (total > kMaxInputBytes) {
      tooLarge = true;
      break;
    }
    const size_t size = carried + got;
    const auto* bytes = reinterpret_cast<const unsigned char*>(piece.data());
    carried = IncompleteTail(bytes, size);
    if (!text.AppendUTF8String(piece.data(), size - carried)) {
      wellFormed = false;
      break;
    }
    std::memmove(&piece[0], &piece[size - carried], carried);
  }
  const bool readFailed = std::ferror(file) != 0;
  const int readErrno = errno;
  if (!fromStdin) std::fclose(file);
  if (readFailed) {
    error = "cannot read " + shownName + ": " + std::strerror(readErrno);
  } else if (tooLarge) {
    error = shownName + " is larger than 2 GiB, too large for one text";
  } else if (!wellFormed || carried != 0) {
    error = shownName + " is not UTF-8 text";
  } else {
    return true;
  }
  text.Clear();
  return false;
}
