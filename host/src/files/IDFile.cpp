#include "IDFile.h"

#include "platform/Platform.h"

IDFile IDFile::FromUTF8(const std::string& path) {
  PMString wide;
  wide.SetUTF8String(path);
  return IDFile(wide);
}

std::string IDFile::GetUTF8Path() const {
  return GetPath().GetUTF8String();
}

PMString IDFile::GetFileName() const {
  size_t slash = fPath.rfind(static_cast<char16_t>(Platform::kPathSeparator));
  return PMString(slash == std::u16string::npos ? fPath : fPath.substr(slash + 1));
}
