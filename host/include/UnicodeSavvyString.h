// The common base of PMString and WideString: a UTF-16 text whose positions and lengths count
// UTF-16 code units.
#pragma once

#include <string>

#include "BaseType.h"

class HOST_API UnicodeSavvyString {
 public:
  UnicodeSavvyString() = default;
  explicit UnicodeSavvyString(std::u16string units) : fText(std::move(units)) {}

  int32 CharCount() const { return static_cast<int32>(fText.size()); }
  bool16 IsEmpty() const { return fText.empty() ? kTrue : kFalse; }
  void Clear() { fText.clear(); }

  // The code unit at a position; the caller keeps the position inside the text.
  textchar operator[](int32 pos) const { return fText[static_cast<size_t>(pos)]; }

  // Appends one Unicode scalar value: a surrogate pair above U+FFFF, U+FFFD for a value that is
  // no scalar value (a lone surrogate or anything above U+10FFFF).
  void AppendUTF32TextChar(UTF32TextChar c) {
    if (c < 0xD800) {
      fText.push_back(static_cast<textchar>(c));
    } else {
      AppendOtherUTF32TextChar(c);
    }
  }

  // Searches a UTF-16 sequence from a position; -1 when it does not occur there or later.
  int32 IndexOfUnits(const std::u16string& what, int32 pos = 0) const;
  int32 IndexOfUnit(textchar c, int32 pos = 0) const;
  // The same search over any units: the first position at or after from where the length units
  // of what occur, or npos.
  static size_t FindUnits(const std::u16string& text, const textchar* what, size_t length,
                          size_t from);
  // The first surrogate unit in [p, end), or end.
  static const textchar* FindSurrogate(const textchar* p, const textchar* end);

  const std::u16string& GetUTF16() const { return fText; }
  std::u16string& GetUTF16Mutable() { return fText; }

  // UTF-8 form, lone surrogates as U+FFFD.
  std::string GetUTF8String() const;
  // Appends one Unicode scalar value to UTF-8 bytes.
  static void AppendUTF8(std::string& out, UTF32TextChar c);
  // Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
  static bool16 IsValidUTF8(const std::string& bytes);

  // Replaces the text by decoded UTF-8. Answers kFalse, and leaves the text empty, for input that
  // is not well-formed UTF-8.
  bool16 SetUTF8String(const std::string& utf8);
  // Appends decoded UTF-8, so that a long input can be decoded piece by piece (each piece whole
  // characters). Answers kFalse, the text as it was, for bytes that are not well-formed UTF-8.
  bool16 AppendUTF8String(const char* utf8, size_t length);

 protected:
  std::u16string fText;

 private:
  void AppendOtherUTF32TextChar(UTF32TextChar c);
};
