// Document files on disk: the whole file passes through memory, so that it is checked in full
// before anything of it is believed, and a save replaces the earlier file only once complete.
#include <cstdio>

#include "DocumentFile.h"

namespace {

bool ReadWholeFile(const std::string& path, std::vector<uint8>& bytes, std::string* error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    if (error) *error = "cannot open " + path;
    return false;
  }
  long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  bool ok = size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
  if (ok) {
    bytes.resize(static_cast<size_t>(size));
    ok = std::fread(bytes.data(), 1, bytes.size(), f) == bytes.size();
  }
  std::fclose(f);
  if (!ok && error) *error = "cannot read " + path;
  return ok;
}

}  // namespace

namespace DocumentFile {

bool Save(Database& db, const IDFile& file, std::string* error) {
  const std::string path = file.GetUTF8Path();
  const std::string temporary = path + ".saving";
  std::vector<uint8> bytes = Write(db);
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  bool ok = f != nullptr;
  if (ok) ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (f && std::fclose(f) != 0) ok = false;
  if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::remove(temporary.c_str());
    if (error) *error = "cannot write " + path;
    return false;
  }
  db.MarkSaved();
  return true;
}

std::unique_ptr<Database> Open(const IDFile& file, std::string* error) {
  std::vector<uint8> bytes;
  if (!ReadWholeFile(file.GetUTF8Path(), bytes, error)) return nullptr;
  std::string why;
  std::unique_ptr<Database> db = Read(bytes.data(), bytes.size(), &why);
  if (!db && error) *error = file.GetUTF8Path() + ": " + why;
  return db;
}

}  // namespace DocumentFile
