// Document files on disk: the whole file passes through memory, so that it is checked in full
// before anything of it is believed, and a save replaces the earlier file only once complete.
#include "DocumentFile.h"
#include "app/Host.h"
#include "platform/EnvFiles.h"

namespace {

// No document comes near this; a larger file is refused before it is read.
constexpr uint64 kMaxDocumentFileSize = uint64{1} << 30;

}  // namespace

namespace DocumentFile {

bool Save(Database& db, const IDFile& file, std::string* error) {
  const std::vector<uint8> bytes = Write(db);
  if (!WriteFileAtomically(Host::Get().Environment(), file.GetUTF8Path(), bytes.data(),
                           bytes.size(), error)) {
    return false;
  }
  db.MarkSaved();
  return true;
}

std::unique_ptr<Database> Open(const IDFile& file, std::string* error) {
  std::vector<uint8> bytes;
  if (!ReadWholeFile(Host::Get().Environment(), file.GetUTF8Path(), kMaxDocumentFileSize, &bytes,
                     error)) {
    return nullptr;
  }
  std::string why;
  std::unique_ptr<Database> db = Read(bytes.data(), bytes.size(), &why);
  if (!db && error) *error = file.GetUTF8Path() + ": " + why;
  return db;
}

}  // namespace DocumentFile
