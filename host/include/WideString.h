// A plain UTF-16 text, the form in which text reaches a story.
#pragma once

#include "UnicodeSavvyString.h"

class PMString;

class HOST_API WideString : public UnicodeSavvyString {
 public:
  WideString() = default;
  explicit WideString(const UnicodeSavvyString& other) : UnicodeSavvyString(other.GetUTF16()) {}
  explicit WideString(std::u16string units) : UnicodeSavvyString(std::move(units)) {}

  void Append(const UnicodeSavvyString& s) { fText += s.GetUTF16(); }
  void Append(textchar c) { fText.push_back(c); }

  bool operator==(const WideString& o) const { return fText == o.fText; }
  bool operator!=(const WideString& o) const { return fText != o.fText; }
};
