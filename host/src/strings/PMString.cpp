#include "PMString.h"

#include <algorithm>
#include <cstring>

#include "WideString.h"

namespace {

textchar FoldAscii(textchar c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<textchar>(c + 32) : c;
}

}  // namespace

// The Unicode White_Space property.
bool16 PMString::IsWhiteSpaceChar(textchar c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

PMString::PMString(const char* cString) {
  SetCString(cString);
}

PMString::PMString(const WideString& wide) : UnicodeSavvyString(wide.GetUTF16()) {}

void PMString::SetCString(const char* cString, int32 length) {
  if (!cString) {
    fText.clear();
    return;
  }
  size_t n = length < 0 ? std::strlen(cString) : static_cast<size_t>(length);
  fText = PlatformEncoding::Decode(cString, n);
}

int32 PMString::GetCString(char* buffer, int32 bufferSize) const {
  if (!buffer || bufferSize <= 0) return 0;
  std::string bytes = GetPlatformString();
  size_t n = std::min(bytes.size(), static_cast<size_t>(bufferSize - 1));
  std::memcpy(buffer, bytes.data(), n);
  buffer[n] = '\0';
  return static_cast<int32>(n);
}

std::string PMString::GetPlatformString() const {
  return PlatformEncoding::Encode(fText);
}

void PMString::GetPString(uint8* buffer, int32 bufferSize) const {
  if (!buffer || bufferSize <= 0) return;
  std::string bytes = GetPlatformString();
  size_t n = std::min({bytes.size(), size_t{255}, static_cast<size_t>(bufferSize - 1)});
  buffer[0] = static_cast<uint8>(n);
  std::memcpy(buffer + 1, bytes.data(), n);
}

void PMString::Insert(const UnicodeSavvyString& what, int32 pos) {
  size_t at = std::min(static_cast<size_t>(std::max(pos, 0)), fText.size());
  fText.insert(at, what.GetUTF16());
}

PMString PMString::Substring(int32 pos, int32 count) const {
  size_t at = std::min(static_cast<size_t>(std::max(pos, 0)), fText.size());
  size_t n = count < 0 ? 0 : static_cast<size_t>(count);
  return PMString(fText.substr(at, n));
}

int32 PMString::Compare(bool16 caseSensitive, const PMString& other) const {
  size_t n = std::min(fText.size(), other.fText.size());
  for (size_t i = 0; i < n; ++i) {
    textchar a = caseSensitive ? fText[i] : FoldAscii(fText[i]);
    textchar b = caseSensitive ? other.fText[i] : FoldAscii(other.fText[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  if (fText.size() == other.fText.size()) return 0;
  return fText.size() < other.fText.size() ? -1 : 1;
}
