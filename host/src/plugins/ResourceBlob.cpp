#include "ResourceBlob.h"

#include <cstring>

#include "persist/Crc32.h"

namespace {

constexpr char kBlobMagic[4] = {'V', 'R', 'S', 'C'};
constexpr char kTrailerMagic[8] = {'V', 'N', 'T', 'L', 'R', 'S', 'R', 'C'};
constexpr uint32 kFormatVersion = 1;

enum SectionKind : uint32 {
  kIdentity = 1,
  kClass = 2,
  kAddIn = 3,
  kString = 4,
  kData = 5,
  kScriptProperty = 6,
};

class Writer {
 public:
  void U32(uint32 value) {
    for (int i = 0; i < 4; ++i) fBytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
  void Text(const std::string& text) {
    U32(static_cast<uint32>(text.size()));
    fBytes += text;
  }
  void Raw(const char* bytes, size_t size) { fBytes.append(bytes, size); }
  void Bindings(const std::vector<InterfaceBinding>& bindings) {
    U32(static_cast<uint32>(bindings.size()));
    for (const InterfaceBinding& b : bindings) {
      U32(b.interfaceID);
      U32(b.implementation);
    }
  }
  void Section(uint32 kind, const Writer& payload) {
    U32(kind);
    Text(payload.fBytes);
  }
  const std::string& Bytes() const { return fBytes; }

 private:
  std::string fBytes;
};

// Reads values from a range of bytes; every read checks what is left first.
class Reader {
 public:
  Reader(const char* data, size_t size) : fData(data), fLeft(size) {}

  bool U32(uint32* value) {
    if (fLeft < 4) return false;
    uint32 v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32>(static_cast<uint8>(fData[i])) << (8 * i);
    *value = v;
    Skip(4);
    return true;
  }
  bool Bytes(size_t count, std::string* out) {
    if (fLeft < count) return false;
    out->assign(fData, count);
    Skip(count);
    return true;
  }
  bool Text(std::string* out) {
    uint32 length = 0;
    return U32(&length) && Bytes(length, out);
  }
  bool Bindings(std::vector<InterfaceBinding>* bindings) {
    uint32 count = 0;
    if (!U32(&count) || count > fLeft / 8) return false;
    bindings->resize(count);
    for (InterfaceBinding& b : *bindings) {
      if (!U32(&b.interfaceID) || !U32(&b.implementation)) return false;
    }
    return true;
  }
  size_t Left() const { return fLeft; }
  const char* Position() const { return fData; }
  void Skip(size_t count) {
    fData += count;
    fLeft -= count;
  }

 private:
  const char* fData;
  size_t fLeft;
};

bool IsValueType(uint32 type) {
  for (const ScriptValueTypeName& t : kScriptValueTypes) {
    if (static_cast<uint32>(t.type) == type) return true;
  }
  return false;
}

bool DecodeSection(uint32 kind, Reader& in, PlugInResources* out) {
  switch (kind) {
    case kIdentity:
      return in.U32(&out->pluginID) && in.Text(&out->name);
    case kClass: {
      ClassResource c;
      if (!in.U32(&c.id) || !in.U32(&c.parent) || !in.Bindings(&c.bindings)) return false;
      out->classes.push_back(std::move(c));
      return true;
    }
    case kAddIn: {
      AddInResource a;
      if (!in.U32(&a.id) || !in.Bindings(&a.bindings)) return false;
      out->addIns.push_back(std::move(a));
      return true;
    }
    case kString: {
      std::pair<std::string, std::string> entry;
      if (!in.Text(&entry.first) || !in.Text(&entry.second)) return false;
      out->strings.push_back(std::move(entry));
      return true;
    }
    case kData: {
      DataResource d;
      if (!in.U32(&d.type) || !in.U32(&d.id) || !in.Bytes(in.Left(), &d.bytes)) return false;
      out->data.push_back(std::move(d));
      return true;
    }
    case kScriptProperty: {
      ScriptElement e;
      uint32 type = 0, readOnly = 0, count = 0;
      if (!in.Text(&e.name) || !in.U32(&e.id) || !in.U32(&type) || !in.U32(&readOnly) ||
          readOnly > 1 || !in.U32(&count) || count > in.Left() / 4) {
        return false;
      }
      e.readOnly = readOnly == 1;
      e.objectTypes.resize(count);
      for (ScriptID& objectType : e.objectTypes) {
        if (!in.U32(&objectType)) return false;
      }
      if (!in.U32(&e.provider) || !IsValueType(type)) return false;
      e.type = static_cast<ScriptData::Type>(type);
      out->scriptProperties.push_back(std::move(e));
      return true;
    }
    default:
      in.Skip(in.Left());
      return true;
  }
}

uint32 Checksum(const std::string& bytes) {
  return Crc32(reinterpret_cast<const uint8*>(bytes.data()), bytes.size());
}

uint32 ReadU32(const char* bytes) {
  uint32 v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32>(static_cast<uint8>(bytes[i])) << (8 * i);
  return v;
}

// Reads exactly count bytes at offset.
bool ReadExactly(ReadableFile& file, uint64 offset, size_t count, char* into) {
  size_t read = 0;
  for (size_t done = 0; done < count; done += read) {
    if (!file.Read(offset + done, count - done, reinterpret_cast<uint8*>(into) + done, &read,
                   nullptr) ||
        read == 0) {
      return false;
    }
  }
  return true;
}

// Finds the trailer of an open file: the blob's offset and length, and its checksum. Answers
// false with no error when the file carries no resources, false with an error when the trailer
// is there but cannot be right.
bool FindBlob(ReadableFile& file, uint64* offset, uint32* length, uint32* crc, std::string* error) {
  const uint64 fileSize = file.Size();
  if (fileSize < ResourceBlob::kTrailerSize) return false;
  char trailer[ResourceBlob::kTrailerSize];
  if (!ReadExactly(file, fileSize - ResourceBlob::kTrailerSize, sizeof trailer, trailer)) {
    *error = "its end cannot be read";
    return false;
  }
  if (std::memcmp(trailer + 8, kTrailerMagic, sizeof kTrailerMagic) != 0) return false;
  *length = ReadU32(trailer);
  *crc = ReadU32(trailer + 4);
  if (*length > fileSize - ResourceBlob::kTrailerSize) {
    *error = "its resources claim " + std::to_string(*length) + " bytes, more than the file holds";
    return false;
  }
  *offset = fileSize - ResourceBlob::kTrailerSize - *length;
  return true;
}

std::unique_ptr<ReadableFile> OpenFile(Env& env, const std::string& path, std::string* error) {
  std::unique_ptr<ReadableFile> file = env.OpenReadable(path, nullptr);
  if (!file) *error = "the file cannot be opened";
  return file;
}

}  // namespace

namespace ResourceBlob {

std::string Encode(const PlugInResources& resources) {
  Writer blob;
  blob.Raw(kBlobMagic, sizeof kBlobMagic);
  blob.U32(kFormatVersion);
  Writer identity;
  identity.U32(resources.pluginID);
  identity.Text(resources.name);
  blob.Section(kIdentity, identity);
  for (const ClassResource& c : resources.classes) {
    Writer section;
    section.U32(c.id);
    section.U32(c.parent);
    section.Bindings(c.bindings);
    blob.Section(kClass, section);
  }
  for (const AddInResource& a : resources.addIns) {
    Writer section;
    section.U32(a.id);
    section.Bindings(a.bindings);
    blob.Section(kAddIn, section);
  }
  for (const auto& [key, text] : resources.strings) {
    Writer section;
    section.Text(key);
    section.Text(text);
    blob.Section(kString, section);
  }
  for (const DataResource& d : resources.data) {
    Writer section;
    section.U32(d.type);
    section.U32(d.id);
    section.Raw(d.bytes.data(), d.bytes.size());
    blob.Section(kData, section);
  }
  for (const ScriptElement& e : resources.scriptProperties) {
    Writer section;
    section.Text(e.name);
    section.U32(e.id);
    section.U32(static_cast<uint32>(e.type));
    section.U32(e.readOnly ? 1 : 0);
    section.U32(static_cast<uint32>(e.objectTypes.size()));
    for (ScriptID objectType : e.objectTypes) section.U32(objectType);
    section.U32(e.provider);
    blob.Section(kScriptProperty, section);
  }
  Writer out;
  out.Raw(blob.Bytes().data(), blob.Bytes().size());
  out.U32(static_cast<uint32>(blob.Bytes().size()));
  out.U32(Checksum(blob.Bytes()));
  out.Raw(kTrailerMagic, sizeof kTrailerMagic);
  return out.Bytes();
}

bool Decode(const std::string& blob, PlugInResources* resources, std::string* error) {
  Reader in(blob.data(), blob.size());
  std::string magic;
  uint32 version = 0;
  if (!in.Bytes(sizeof kBlobMagic, &magic) || magic != std::string(kBlobMagic, 4) ||
      !in.U32(&version)) {
    *error = "its resources do not begin as resources do";
    return false;
  }
  if (version != kFormatVersion) {
    *error = "its resources have format version " + std::to_string(version) + ", not " +
             std::to_string(kFormatVersion);
    return false;
  }
  PlugInResources decoded;
  bool identified = false;
  while (in.Left() > 0) {
    uint32 kind = 0, length = 0;
    if (!in.U32(&kind) || !in.U32(&length) || length > in.Left()) {
      *error = "its resources are cut short";
      return false;
    }
    Reader section(in.Position(), length);
    in.Skip(length);
    if (!DecodeSection(kind, section, &decoded) || section.Left() != 0) {
      *error = "a resource of kind " + std::to_string(kind) + " is malformed";
      return false;
    }
    identified = identified || kind == kIdentity;
  }
  if (!identified) {
    *error = "its resources do not name the plug-in";
    return false;
  }
  *resources = std::move(decoded);
  return true;
}

bool ReadFromFile(Env& env, const std::string& path, PlugInResources* resources,
                  std::string* error) {
  std::unique_ptr<ReadableFile> file = OpenFile(env, path, error);
  if (!file) return false;
  uint64 offset = 0;
  uint32 length = 0, crc = 0;
  error->clear();
  if (!FindBlob(*file, &offset, &length, &crc, error)) {
    if (error->empty()) *error = "the file carries no resources";
    return false;
  }
  std::string blob(length, '\0');
  if (!ReadExactly(*file, offset, length, blob.data())) {
    *error = "its resources cannot be read";
    return false;
  }
  if (Checksum(blob) != crc) {
    *error = "its resources are damaged (checksum mismatch)";
    return false;
  }
  return Decode(blob, resources, error);
}

bool SizeWithoutResources(Env& env, const std::string& path, uint64* size, std::string* error) {
  std::unique_ptr<ReadableFile> file = OpenFile(env, path, error);
  if (!file) return false;
  uint64 offset = 0;
  uint32 length = 0, crc = 0;
  error->clear();
  if (FindBlob(*file, &offset, &length, &crc, error)) {
    *size = offset;
    return true;
  }
  *size = file->Size();
  return error->empty();
}

}  // namespace ResourceBlob
