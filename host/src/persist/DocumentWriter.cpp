#include <algorithm>
#include <cstring>

#include "Crc32.h"
#include "DocumentFile.h"
#include "DocumentFormat.h"
#include "database/PartState.h"

namespace {

void PutU32(std::vector<uint8>& out, uint32 value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8>(value >> shift));
}

void PutPart(std::vector<uint8>& out, PMIID interfaceID, ImplementationID implementation,
             const std::vector<uint8>& bytes) {
  PutU32(out, interfaceID);
  PutU32(out, implementation);
  PutU32(out, static_cast<uint32>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
}

void PutObject(std::vector<uint8>& out, UID uid, const StoredObject& object) {
  PutU32(out, uid);
  PutU32(out, object.GetClass());
  size_t countAt = out.size();
  PutU32(out, 0);
  uint32 count = 0;
  if (Boss* boss = object.GetBoss()) {
    for (const Boss::Part& part : boss->Parts()) {
      if (!PartState::IsPersistent(part)) continue;
      PutPart(out, part.interfaceID, part.factory->id, PartState::Capture(part));
      ++count;
    }
  }
  for (const ForeignPart& part : object.Foreign()) {
    PutPart(out, part.interfaceID, part.implementation, part.bytes);
    ++count;
  }
  for (int i = 0; i < 4; ++i) out[countAt + i] = static_cast<uint8>(count >> (24 - 8 * i));
}

}  // namespace

namespace DocumentFile {

std::vector<uint8> Write(const Database& db) {
  std::vector<uint8> out(std::begin(DocumentFormat::kMagic), std::end(DocumentFormat::kMagic));
  PutU32(out, DocumentFormat::kVersion);
  PutU32(out, db.GetRootUID());
  PutU32(out, static_cast<uint32>(db.Objects().size()));
  for (const auto& entry : db.Objects()) PutObject(out, entry.first, entry.second);
  PutU32(out, Crc32(out.data(), out.size()));
  return out;
}

}  // namespace DocumentFile
