// The host's string: UTF-16 text with a translatable flag. Positions and lengths count UTF-16
// code units and a search that finds nothing yields -1. The 8-bit platform encoding of the
// C-string and Pascal-string operations is Mac Roman; a character it cannot hold becomes '?'.
#pragma once

#include <string>

#include "UnicodeSavvyString.h"

class WideString;
class IPMStream;

class HOST_API PMString : public UnicodeSavvyString {
 public:
  PMString() = default;
  // From 8-bit platform text (Mac Roman), NUL-terminated.
  PMString(const char* cString);  // NOLINT: implicit, as string literals are used as PMStrings
  explicit PMString(const WideString& wide);
  explicit PMString(std::u16string units) : UnicodeSavvyString(std::move(units)) {}

  // 8-bit platform text. With a length of -1 the text runs up to its NUL.
  void SetCString(const char* cString, int32 length = -1);
  // Writes at most bufferSize - 1 bytes and a NUL into the caller's buffer; answers the number of
  // bytes written before the NUL. A buffer size of 0 or less writes nothing.
  int32 GetCString(char* buffer, int32 bufferSize) const;
  // The whole text in the 8-bit platform encoding (one byte per character).
  std::string GetPlatformString() const;
  // Writes a length byte and up to min(255, bufferSize - 1) bytes of 8-bit text.
  void GetPString(uint8* buffer, int32 bufferSize) const;

  int32 IndexOfString(const PMString& what, int32 pos = 0) const {
    return IndexOfUnits(what.fText, pos);
  }
  int32 IndexOfWChar(textchar c, int32 pos = 0) const { return IndexOfUnit(c, pos); }

  // Inserts at a position (clamped to the text).
  void Insert(const UnicodeSavvyString& what, int32 pos = 0);
  void Append(const UnicodeSavvyString& what) { fText += what.GetUTF16(); }
  void Append(const char* cString) { Append(PMString(cString)); }
  void Append(textchar c) { fText.push_back(c); }

  // The characters from pos (clamped), at most count of them.
  PMString Substring(int32 pos, int32 count = INT32_MAX) const;

  // Whether the character is white space: the Unicode White_Space set.
  static bool16 IsWhiteSpaceChar(textchar c);

  // Reads or writes the text: its length in UTF-16 code units, then the units. A stored length
  // longer than the stream's bytes reads what there is and fails the stream.
  void ReadWrite(IPMStream* stream);

  void SetTranslatable(bool16 translatable) { fTranslatable = translatable; }
  // Replaces a string key by its text from the loaded plug-ins' string tables and marks the
  // string untranslatable, so that its text is never taken for a key again. Untranslatable
  // strings and strings that name no key stay as they are.
  void Translate();
  bool16 GetTranslatable() const { return fTranslatable; }

  // Compares code unit by code unit; without case sensitivity ASCII letters fold.
  int32 Compare(bool16 caseSensitive, const PMString& other) const;
  bool operator==(const PMString& o) const { return fText == o.fText; }
  bool operator!=(const PMString& o) const { return fText != o.fText; }
  bool operator<(const PMString& o) const { return fText < o.fText; }

 private:
  bool16 fTranslatable = kTrue;
};

// The 8-bit platform encoding, shared by everything that converts text to and from bytes.
namespace PlatformEncoding {
HOST_API textchar DecodeByte(uint8 byte);
// '?' for a character Mac Roman cannot hold.
HOST_API uint8 EncodeChar(textchar c);
// Converts UTF-16 to 8-bit text; a surrogate pair becomes one '?'.
HOST_API std::string Encode(const std::u16string& text);
HOST_API std::u16string Decode(const char* bytes, size_t length);
}  // namespace PlatformEncoding
