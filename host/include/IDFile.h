// A file or folder of the file system, named by its full path. The file need not exist.
#pragma once

#include <string>

#include "PMString.h"

class HOST_API IDFile {
 public:
  IDFile() = default;
  explicit IDFile(const PMString& path) : fPath(path.GetUTF16()) {}
  // From a path in the file system's own encoding (UTF-8).
  static IDFile FromUTF8(const std::string& path);

  PMString GetPath() const { return PMString(fPath); }
  std::string GetUTF8Path() const;
  // The last component of the path: the file's own name.
  PMString GetFileName() const;
  bool16 IsEmpty() const { return fPath.empty() ? kTrue : kFalse; }

  bool operator==(const IDFile& o) const { return fPath == o.fPath; }
  bool operator!=(const IDFile& o) const { return fPath != o.fPath; }

 private:
  std::u16string fPath;
};
