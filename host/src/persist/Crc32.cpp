#include "Crc32.h"

#include <array>

namespace {

std::array<uint32, 256> MakeTable() {
  std::array<uint32, 256> table{};
  for (uint32 n = 0; n < 256; ++n) {
    uint32 c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

}  // namespace

uint32 Crc32(const uint8* data, size_t size) {
  static const std::array<uint32, 256> table = MakeTable();
  uint32 c = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}
