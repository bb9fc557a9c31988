#include "tagdata/TagRecordBytes.h"

#include <cctype>
#include <stdexcept>

namespace {

std::string StripBlanks(const std::string& hex) {
  std::string digits;
  for (char c : hex)
    if (!std::isspace(static_cast<unsigned char>(c))) digits.push_back(c);
  if (digits.size() % 2 != 0) throw std::invalid_argument("odd number of hex digits: " + hex);
  return digits;
}

std::string Hex32(uint32 value) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) hex[static_cast<size_t>(i)] = kDigits[value & 0xF];
  return hex;
}

}  // namespace

MemBlock BlockFromHex(const std::string& hex) {
  const std::string digits = StripBlanks(hex);
  MemBlock block = NewMemBlock(static_cast<uint32>(digits.size() / 2));
  auto* bytes = static_cast<uint8*>(block);
  for (size_t i = 0; i < digits.size(); i += 2)
    bytes[i / 2] = static_cast<uint8>(std::stoul(digits.substr(i, 2), nullptr, 16));
  return block;
}

std::string HexOfBytes(const void* bytes, size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  const auto* p = static_cast<const uint8*>(bytes);
  for (size_t i = 0; i < count; ++i) {
    hex.push_back(kDigits[p[i] >> 4]);
    hex.push_back(kDigits[p[i] & 0xF]);
  }
  return hex;
}

std::string HexOfBlock(MemBlock block) {
  return block ? HexOfBytes(block, MemBlockSize(block)) : "null";
}

std::string ListHeadHex(uint32 recordAreaLength, uint32 version) {
  return Hex32(recordAreaLength) + Hex32(version);
}

std::string RecordHex(uint32 key, const std::string& dataHex) {
  const std::string data = StripBlanks(dataHex);
  return Hex32(static_cast<uint32>(data.size() / 2)) + Hex32(key) + data;
}

std::string ListHex(const std::vector<std::pair<uint32, std::string>>& records, uint32 version) {
  std::string body;
  for (const auto& [key, data] : records) body += RecordHex(key, data);
  return ListHeadHex(static_cast<uint32>(body.size() / 2), version) + body;
}
