// The host's strings: UTF-16 operations, UTF-8 in and out, and the Mac Roman 8-bit encoding.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>

#include "PMString.h"
#include "WideString.h"

namespace {

// The system converter's reading of one Mac Roman byte, as one UTF-16 unit.
textchar SystemMacRoman(uint8 byte) {
  iconv_t converter = iconv_open("UTF-16LE", "MACINTOSH");
  EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << "the system has no MACINTOSH converter";
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* inAt = in;
  char* outAt = reinterpret_cast<char*>(out);
  size_t inLeft = 1;
  size_t outLeft = sizeof out;
  size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
  iconv_close(converter);
  EXPECT_EQ(result, 0u) << "byte " << int{byte};
  EXPECT_EQ(outLeft, 2u) << "byte " << int{byte} << " is one UTF-16 unit";
  return static_cast<textchar>(out[0] | (out[1] << 8));
}

TEST(MacRomanTest, BytesDecodeAsTheSystemConverterReadsThem) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<uint8>(b);
    textchar c = PlatformEncoding::DecodeByte(byte);
    if (byte == 0xF0) {
      EXPECT_EQ(c, 0xF8FF) << "the Apple logo lives in the private use area";
    } else if (byte == 0xC6) {
      // Apple's own table reads it as INCREMENT; older converters give the Greek capital delta.
      EXPECT_EQ(c, 0x2206);
    } else {
      EXPECT_EQ(c, SystemMacRoman(byte)) << "byte 0x" << std::hex << b;
    }
  }
}

TEST(MacRomanTest, EveryByteRoundTripsAndNothingElseEncodes) {
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(PlatformEncoding::EncodeChar(PlatformEncoding::DecodeByte(static_cast<uint8>(b))), b);
  }
  int encodable = 0;
  for (int c = 0; c < 0x10000; ++c) {
    if (c == '?' || PlatformEncoding::EncodeChar(static_cast<textchar>(c)) != '?') ++encodable;
  }
  EXPECT_EQ(encodable, 256);
}

TEST(MacRomanTest, CStringsConvertEachCharacterAndTruncateToTheBuffer) {
  PMString text;
  ASSERT_TRUE(text.SetUTF8String("\xC3\xA9\xE2\x80\x9D\xE2\x82\xAC\xF0\x9F\x98\x80\xE4\xB8\xAD"));
  EXPECT_EQ(text.CharCount(), 6);  // é ” € and a surrogate pair and 中
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(text.GetCString(buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "\x8E\xD3\xDB??");  // the pair is one character, one '?'

  const struct {
    int32 size;
    const char* written;
    int32 count;
  } kTruncations[] = {{1, "", 0}, {2, "\x8E", 1}, {4, "\x8E\xD3\xDB", 3}, {6, "\x8E\xD3\xDB??", 5}};
  for (const auto& t : kTruncations) {
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(text.GetCString(buffer, t.size), t.count) << t.size;
    EXPECT_STREQ(buffer, t.written) << t.size;
    EXPECT_EQ(buffer[t.size], 'x') << "nothing written beyond the buffer of " << t.size;
  }
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(text.GetCString(buffer, 0), 0);
  EXPECT_EQ(buffer[0], 'x');

  PMString lone(std::u16string{u'a', 0xD800, u'b', 0xDC00});
  EXPECT_EQ(lone.GetPlatformString(), "a?b?");

  PMString fromBytes;
  fromBytes.SetCString("\x8E\xD3\xDB\xF0", 3);
  EXPECT_EQ(fromBytes.GetUTF8String(), "\xC3\xA9\xE2\x80\x9D\xE2\x82\xAC");
  fromBytes.SetCString(nullptr);
  EXPECT_TRUE(fromBytes.IsEmpty());
}

TEST(MacRomanTest, PascalStringsHoldALengthByteAndAtMost255Characters) {
  const PMString longText(std::u16string(300, u'z'));
  const struct {
    PMString text;
    int32 bufferSize;
    int length;
  } kCases[] = {
      {PMString("abc"), 256, 3}, {PMString("abc"), 3, 2}, {PMString(""), 256, 0},
      {longText, 256, 255},      {longText, 300, 255},    {longText, 11, 10},
  };
  for (const auto& c : kCases) {
    uint8 buffer[400];
    std::memset(buffer, 0xEE, sizeof buffer);
    c.text.GetPString(buffer, c.bufferSize);
    EXPECT_EQ(buffer[0], c.length) << c.bufferSize;
    for (int i = 1; i <= c.length; ++i) EXPECT_EQ(buffer[i], c.text[i - 1]);
    EXPECT_EQ(buffer[c.length + 1], 0xEE) << "nothing written after the characters";
  }
}

TEST(UnicodeSavvyStringTest, AppendUTF32TextCharMakesSurrogatePairsAboveTheBasicPlane) {
  const struct {
    UTF32TextChar c;
    std::u16string units;
  } kCases[] = {
      {0x41, u"A"},
      {0xFFFF, std::u16string(1, 0xFFFF)},
      {0x10000, {0xD800, 0xDC00}},
      {0x1F600, {0xD83D, 0xDE00}},
      {0x10FFFF, {0xDBFF, 0xDFFF}},
      // No scalar value: a surrogate code point or beyond Unicode.
      {0xD800, u"\uFFFD"},
      {0xDFFF, u"\uFFFD"},
      {0x110000, u"\uFFFD"},
      {0xFFFFFFFF, u"\uFFFD"},
  };
  for (const auto& c : kCases) {
    WideString text;
    text.AppendUTF32TextChar(c.c);
    EXPECT_EQ(text.GetUTF16(), c.units) << std::hex << c.c;
  }
}

TEST(UnicodeSavvyStringTest, UTF8IsDecodedStrictlyAndEncodedBack) {
  const char* kValid[] = {
      "", "plain", "\r\n\t", "caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF"};
  for (const char* utf8 : kValid) {
    PMString text;
    EXPECT_TRUE(text.SetUTF8String(utf8)) << utf8;
    EXPECT_EQ(text.GetUTF8String(), utf8);
  }
  PMString withNul;
  ASSERT_TRUE(withNul.SetUTF8String(std::string("a\0b", 3)));
  EXPECT_EQ(withNul.CharCount(), 3);

  const char* kInvalid[] = {
      "\x80",              // a continuation byte alone
      "\xC3",              // cut off
      "\xE2\x82",          // cut off
      "\xC0\x80",          // overlong NUL
      "\xE0\x80\xAF",      // overlong
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xF8\x88\x80\x80\x80",
      "ok\xFF",
      "\xC3\x28",  // lead byte without its continuation
  };
  for (const char* utf8 : kInvalid) {
    PMString text("previous");
    EXPECT_FALSE(text.SetUTF8String(utf8)) << ::testing::PrintToString(std::string(utf8));
    EXPECT_TRUE(text.IsEmpty());
  }
  PMString lone(std::u16string{u'a', 0xDC00});
  EXPECT_EQ(lone.GetUTF8String(), "a\xEF\xBF\xBD");
}

// The parser trims the Unicode White_Space set from labels and values, and nothing else.
TEST(PMStringTest, WhiteSpaceIsTheUnicodeWhiteSpaceSet) {
  for (textchar c : {0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x20, 0x85, 0xA0, 0x1680, 0x2000, 0x200A, 0x2028,
                     0x2029, 0x202F, 0x205F, 0x3000}) {
    EXPECT_TRUE(PMString::IsWhiteSpaceChar(c)) << std::hex << c;
  }
  // Zero-width space, byte order mark and word joiner are no white space.
  for (textchar c : {0x08, 0x0E, 0x1F, 0x21, 0x84, 0x86, 0x200B, 0xFEFF, 0x2060, 0x3001, 0x78}) {
    EXPECT_FALSE(PMString::IsWhiteSpaceChar(c)) << std::hex << c;
  }
}

// Font names are found this way, whatever the letter case of ASCII letters.
TEST(PMStringTest, ComparisonsAreByCodeUnitWithAsciiFoldingOnRequest) {
  const struct {
    const char* a;
    const char* b;
    bool16 caseSensitive;
    int32 result;
  } kCases[] = {
      {"abc", "abc", kTrue, 0},  {"abc", "ABC", kTrue, 1},     {"abc", "ABC", kFalse, 0},
      {"ab", "abc", kFalse, -1}, {"abd", "abc", kTrue, 1},     {"\x8E", "\x83", kFalse, 1},
      {"", "", kTrue, 0},        {"Zeta", "alpha", kFalse, 1},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PMString(c.a).Compare(c.caseSensitive, PMString(c.b)), c.result) << c.a << c.b;
  }
}

}  // namespace
