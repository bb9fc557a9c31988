#include <cstdio>
#include <cstring>
#include <new>
#include <set>

#include "Crc32.h"
#include "DocumentFile.h"
#include "DocumentFormat.h"
#include "app/Host.h"
#include "database/PartState.h"

namespace {

constexpr char kOutOfMemory[] = "out of memory";

// Walks the bytes; every read checks what remains first.
class Cursor {
 public:
  Cursor(const uint8* data, size_t size) : fData(data), fLeft(size) {}

  size_t Left() const { return fLeft; }
  bool U32(uint32& value) {
    if (fLeft < 4) return false;
    value = static_cast<uint32>(fData[0]) << 24 | static_cast<uint32>(fData[1]) << 16 |
            static_cast<uint32>(fData[2]) << 8 | fData[3];
    Skip(4);
    return true;
  }
  bool Bytes(size_t count, const uint8*& at) {
    if (fLeft < count) return false;
    at = fData;
    Skip(count);
    return true;
  }

 private:
  void Skip(size_t n) {
    fData += n;
    fLeft -= n;
  }
  const uint8* fData;
  size_t fLeft;
};

struct StoredPart {
  PMIID interfaceID;
  ImplementationID implementation;
  const uint8* data;
  size_t size;
};

std::string Hex(uint32 value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

class Reader {
 public:
  Reader(const uint8* data, size_t size, std::string* error)
      : fData(data), fSize(size), fError(error) {}

  std::unique_ptr<Database> Run() {
    using namespace DocumentFormat;
    if (fSize < sizeof kMagic || std::memcmp(fData, kMagic, sizeof kMagic) != 0) {
      return Refuse("it is not a document file");
    }
    if (fSize < kHeaderSize + kChecksumSize) return Refuse("the document file is truncated");
    Cursor body(fData + sizeof kMagic, fSize - sizeof kMagic - kChecksumSize);
    uint32 version = 0, root = 0, objects = 0, stored = 0;
    body.U32(version);
    if (version != kVersion) {
      return Refuse("the document file has version " + std::to_string(version) +
                    ", which this program cannot read");
    }
    Cursor(fData + fSize - kChecksumSize, kChecksumSize).U32(stored);
    if (stored != Crc32(fData, fSize - kChecksumSize)) {
      return Refuse("the document file is damaged (its checksum does not match)");
    }
    body.U32(root);
    body.U32(objects);
    if (objects > body.Left() / kObjectHeaderSize) {
      return Refuse("the document file claims more objects than it holds");
    }
    auto db = std::make_unique<Database>();
    UID last = kInvalidUID;
    for (uint32 i = 0; i < objects; ++i) {
      UID uid = kInvalidUID;
      if (!ReadObject(body, *db, last, uid)) return nullptr;
      last = uid;
    }
    if (body.Left() != 0) return Refuse("the document file has bytes after its last object");
    if (!db->IsValidUID(root)) return Refuse("the document file has no root object");
    db->SetRootUID(root);
    db->ClearHistory();
    return db;
  }

 private:
  bool ReadObject(Cursor& body, Database& db, UID previous, UID& uid) {
    using namespace DocumentFormat;
    ClassID classID = kInvalidClass;
    uint32 partCount = 0;
    if (!body.U32(uid) || !body.U32(classID) || !body.U32(partCount)) {
      return Fail("the document file is truncated");
    }
    if (uid <= previous) return Fail("the document file's objects are out of order");
    if (classID == kInvalidClass) return Fail("object " + std::to_string(uid) + " has no class");
    if (partCount > body.Left() / kPartHeaderSize) {
      return Fail("object " + std::to_string(uid) + " claims more parts than the file holds");
    }
    // Each part is read as it comes: nothing is sized by the counts the file states.
    StoredObject object(classID, Boss::Create(classID, &db, uid));
    if (!object.GetBoss() && Host::Get().Model().IsClassDefined(classID)) {
      return Fail(kOutOfMemory);
    }
    // An interface may be stored twice, by different implementations: the one loaded now, and
    // one of a plug-in that is not loaded.
    std::set<std::pair<PMIID, ImplementationID>> seen;
    for (uint32 i = 0; i < partCount; ++i) {
      StoredPart part{};
      uint32 length = 0;
      if (!body.U32(part.interfaceID) || !body.U32(part.implementation) || !body.U32(length) ||
          !body.Bytes(length, part.data)) {
        return Fail("object " + std::to_string(uid) + " is truncated");
      }
      part.size = length;
      if (!seen.insert({part.interfaceID, part.implementation}).second) {
        return Fail("object " + std::to_string(uid) + " stores implementation " +
                    Hex(part.implementation) + " twice");
      }
      const uint64 refused = Host::Get().Refusals();
      const bool read = ReadPart(object, part);
      // A part that could not have its memory blocks is not what the file holds.
      if (Host::Get().Refusals() != refused) return Fail(kOutOfMemory);
      if (!read) {
        return Fail("the data of object " + std::to_string(uid) + " for implementation " +
                    Hex(part.implementation) + " is damaged");
      }
    }
    db.AdoptObject(uid, std::move(object));
    return true;
  }

  // Hands a part to the loaded implementation that stores it, or keeps its bytes.
  static bool ReadPart(StoredObject& object, const StoredPart& stored) {
    if (Boss* boss = object.GetBoss()) {
      for (const Boss::Part& part : boss->Parts()) {
        if (part.interfaceID == stored.interfaceID && part.factory->id == stored.implementation &&
            PartState::IsPersistent(part)) {
          return PartState::Read(part, stored.data, stored.size);
        }
      }
    }
    object.AddForeign({stored.interfaceID, stored.implementation,
                       std::vector<uint8>(stored.data, stored.data + stored.size)});
    return true;
  }

  bool Fail(const std::string& message) {
    if (fError) *fError = message;
    return false;
  }
  std::unique_ptr<Database> Refuse(const std::string& message) {
    Fail(message);
    return nullptr;
  }

  const uint8* fData;
  size_t fSize;
  std::string* fError;
};

}  // namespace

namespace DocumentFile {

std::unique_ptr<Database> Read(const uint8* data, size_t size, std::string* error) {
  return Reader(data, size, error).Run();
}

}  // namespace DocumentFile
