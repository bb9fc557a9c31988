#include "dataframe/DataFrameTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

#include "dataframe/memory/MemBlocks.h"
#include "dataframe/parser/EntryParser.h"

namespace DataFrameTest {

namespace {

uint32 U32At(const std::string& bytes, size_t at) {
  uint32 value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

std::string Utf8OfPlatform(const std::string& bytes) {
  return PMString(PlatformEncoding::Decode(bytes.data(), bytes.size())).GetUTF8String();
}

}  // namespace

PMString Text(const std::string& utf8) {
  PMString text;
  EXPECT_TRUE(text.SetUTF8String(utf8)) << "test text is not UTF-8";
  return text;
}

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

std::string ParseToBytes(const PMString& text, int16 type) {
  PMString copy = text;
  MemBlock block = nullptr;
  uint32 size = 0;
  ParseDataFrameEntries(copy, type, &block, &size);
  if (!block) return std::string();
  EXPECT_EQ(MemBlockSize(block), size);
  std::string bytes(static_cast<const char*>(block), size);
  FreeMemBlock(block);
  return bytes;
}

std::vector<Entry> EntriesOf(const std::string& block) {
  std::vector<Entry> entries;
  if (block.size() < 16) {
    ADD_FAILURE() << "block shorter than its head";
    return entries;
  }
  EXPECT_EQ(U32At(block, 0), block.size()) << "total size";
  EXPECT_EQ(U32At(block, 4), 1u) << "version";
  size_t at = 16;
  while (at < block.size()) {
    if (block.size() - at < 4) {
      ADD_FAILURE() << "entry size field cut off at " << at;
      return entries;
    }
    uint32 size = U32At(block, at);
    if (size < 6 || size > block.size() - at) {
      ADD_FAILURE() << "entry at " << at << " has size " << size;
      return entries;
    }
    std::string body = block.substr(at + 4, size - 4);
    size_t labelEnd = body.find('\0');
    if (labelEnd == std::string::npos || body.find('\0', labelEnd + 1) != body.size() - 1) {
      ADD_FAILURE() << "entry at " << at << " is not two NUL-terminated strings";
      return entries;
    }
    entries.emplace_back(Utf8OfPlatform(body.substr(0, labelEnd)),
                         Utf8OfPlatform(body.substr(labelEnd + 1, body.size() - labelEnd - 2)));
    at += size;
  }
  EXPECT_EQ(U32At(block, 12), entries.size()) << "entry count";
  return entries;
}

namespace {

// clang-format off
const std::u16string kPieces[] = {
    u"<dataframe", u"/>", u" ", u"type=\"", u"scope=\"", u"name=\"", u"_", u"=", u"\"",
    u"labels\"", u"index\"", u"pellow\"", u"shared_pellow\"", u"document\"", u"spread\"",
    u"page\"", u"global\"",
    u"<", u"!", u"-", u">", u"<!--", u"-->", u"<!", u"--", u"<!-", u":", u",", u"\\", u"\\:",
    u"\\,", u"\r", u"\n", u"\r\n", u"\n\r", u"\r\n", u"\t", u"a", u"b", u"Key", u"Value",
    u"Key", u"Value", u"\u00A0", u"\u2003", u"\u00E9", u"\u20AC", u"\u201D", u"\u201C",
    u"\U0001F600", std::u16string(1, 0xD83D), std::u16string(1, 0xDE00),
    std::u16string(1, u'\0')};
// clang-format on

}  // namespace

PMString TextGenerator::Next(size_t maxPieces) {
  std::u16string text;
  const size_t pieces = Below(maxPieces + 1);
  for (size_t i = 0; i < pieces; ++i) text += kPieces[Below(std::size(kPieces))];
  return PMString(text);
}

}  // namespace DataFrameTest
