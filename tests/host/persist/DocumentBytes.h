// Builds document file bytes by hand, for files the writer never makes: unknown parts, hostile
// counts, objects out of order. The checksum is put right unless told otherwise.
#pragma once

#include <vector>

#include "BaseType.h"
#include "persist/Crc32.h"
#include "persist/DocumentFormat.h"

class DocumentBytes {
 public:
  DocumentBytes(uint32 root, uint32 objectCount, uint32 version = DocumentFormat::kVersion)
      : fBytes(std::begin(DocumentFormat::kMagic), std::end(DocumentFormat::kMagic)) {
    U32(version).U32(root).U32(objectCount);
  }
  DocumentBytes& U32(uint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8)
      fBytes.push_back(static_cast<uint8>(value >> shift));
    return *this;
  }
  DocumentBytes& Object(uint32 uid, uint32 classID, uint32 partCount) {
    return U32(uid).U32(classID).U32(partCount);
  }
  DocumentBytes& Part(uint32 interfaceID, uint32 implementation, const std::vector<uint8>& data) {
    U32(interfaceID).U32(implementation).U32(static_cast<uint32>(data.size()));
    fBytes.insert(fBytes.end(), data.begin(), data.end());
    return *this;
  }
  std::vector<uint8> Finish() const {
    std::vector<uint8> out = fBytes;
    uint32 crc = Crc32(out.data(), out.size());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8>(crc >> shift));
    return out;
  }

 private:
  std::vector<uint8> fBytes;
};
