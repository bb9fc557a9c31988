// Feeds arbitrary bytes to the document reader, as they are and with their last four bytes made
// the right checksum (so that mutations reach past the checksum into the objects), with the
// plug-in loaded so that its parts read their own data. Whatever it is given, it must refuse or
// accept without crashing; a document it accepts must save to bytes that read back and save the
// same.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PlugInHost.h"
#include "persist/Crc32.h"
#include "persist/DocumentFile.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "document reader: %s\n", what);
  std::abort();
}

void ReadAndResave(const uint8* data, size_t size) {
  std::string error;
  std::unique_ptr<Database> db = DocumentFile::Read(data, size, &error);
  if (!db) {
    Require(!error.empty(), "a refused file has no message");
    return;
  }
  const std::vector<uint8> saved = DocumentFile::Write(*db);
  std::unique_ptr<Database> again = DocumentFile::Read(saved.data(), saved.size(), &error);
  Require(again != nullptr, "a saved document does not read back");
  Require(DocumentFile::Write(*again) == saved, "a document changes between two saves");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StartPlugInHost();
  ReadAndResave(data, size);
  if (size >= 4) {
    std::vector<uint8> fixed(data, data + size);
    uint32 crc = Crc32(fixed.data(), size - 4);
    for (int i = 0; i < 4; ++i) fixed[size - 4 + i] = static_cast<uint8>(crc >> (24 - 8 * i));
    ReadAndResave(fixed.data(), fixed.size());
  }
  return 0;
}
