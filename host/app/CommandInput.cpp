#include "CommandInput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

// A PMString counts its characters in 32 bits; UTF-8 never has fewer bytes than UTF-16 units.
constexpr size_t kMaxInputBytes = std::numeric_limits<int32>::max();

}  // namespace

bool ReadUTF8Input(const std::string& path, PMString& text, std::string& error) {
  const bool fromStdin = path == "-";
  const std::string shownName = fromStdin ? "standard input" : "'" + path + "'";
  std::FILE* file = fromStdin ? stdin : std::fopen(path.c_str(), "rb");
  if (!file) {
    error = "cannot open " + shownName + ": " + std::strerror(errno);
    return false;
  }
  std::string bytes;
  char chunk[65536];
  size_t got;
  bool tooLarge = false;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (bytes.size() + got > kMaxInputBytes) {
      tooLarge = true;
      break;
    }
    bytes.append(chunk, got);
  }
  const bool readFailed = std::ferror(file) != 0;
  const int readErrno = errno;
  if (!fromStdin) std::fclose(file);
  if (readFailed) {
    error = "cannot read " + shownName + ": " + std::strerror(readErrno);
    return false;
  }
  if (tooLarge) {
    error = shownName + " is larger than 2 GiB, too large for one text";
    return false;
  }
  if (!text.SetUTF8String(bytes)) {
    error = shownName + " is not UTF-8 text";
    return false;
  }
  return true;
}
