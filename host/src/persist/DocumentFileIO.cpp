// Document files on disk: the whole file passes through memory, so that it is checked in full
// before anything of it is believed, and a save replaces the earlier file only once complete.
#include <new>

#include "DocumentFile.h"
#include "app/Host.h"
#include "platform/EnvFiles.h"

namespace {

// No document comes near this; a larger file is refused before it is read.
constexpr uint64 kMaxDocumentFileSize = uint64{1} << 30;

bool Fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return false;
}

}  // namespace

namespace DocumentFile {

bool Save(Database& db, const IDFile& file, std::string* error) {
  const std::string path = file.GetUTF8Path();
  try {
    const std::vector<uint8> bytes = Write(db);
    if (!WriteFileAtomically(Host::Get().Environment(), path, bytes.data(), bytes.size(), error)) {
      return false;
    }
  } catch (const std::bad_alloc&) {
    return Fail(error, "cannot write " + path + ": out of memory");
  }
  db.MarkSaved();
  return true;
}

std::unique_ptr<Database> Open(const IDFile& file, std::string* error) {
  const std::string path = file.GetUTF8Path();
  try {
    std::vector<uint8> bytes;
    if (!ReadWholeFile(Host::Get().Environment(), path, kMaxDocumentFileSize, &bytes, error)) {
      return nullptr;
    }
    std::string why;
    std::unique_ptr<Database> db = Read(bytes.data(), bytes.size(), &why);
    if (!db) Fail(error, path + ": " + why);
    return db;
  } catch (const std::bad_alloc&) {
    Fail(error, "cannot open " + path + ": out of memory");
    return nullptr;
  }
}

}  // namespace DocumentFile
