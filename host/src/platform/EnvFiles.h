// Whole-file reading and writing on top of an Env: a read that believes no size it has not
// checked, and a write that replaces a file whole or not at all.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Env.h"

// Reads a regular file whole. A file larger than limit is refused before anything is allocated,
// and one that changes size while it is read is refused too.
bool ReadWholeFile(Env& env, const std::string& path, uint64 limit, std::vector<uint8>* bytes,
                   std::string* error);

// A file being replaced. What is appended goes to a temporary file beside it (its name with
// ".saving" added); Commit syncs the temporary and renames it over the file, so that the file is
// always either the old one or the whole new one. A replacement that is not committed, or whose
// commit fails, leaves the file as it was and removes the temporary.
class FileReplacement {
 public:
  static std::unique_ptr<FileReplacement> Begin(Env& env, const std::string& path,
                                                std::string* error);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // After a failed append, every later append and the commit fail.
  bool Append(const uint8* data, size_t count, std::string* error);
  bool Commit(std::string* error);

 private:
  FileReplacement(Env& env, const std::string& path);

  Env& fEnv;
  std::string fPath;
  std::string fTemporary;
  std::unique_ptr<WritableFile> fFile;
  bool fFailed = false;
  bool fCommitted = false;
};

// Replaces a file's contents with the bytes through a FileReplacement. On failure the file is as
// it was and error says why, naming the file.
bool WriteFileAtomically(Env& env, const std::string& path, const uint8* data, size_t size,
                         std::string* error);
