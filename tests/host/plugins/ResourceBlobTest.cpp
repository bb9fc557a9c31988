// The binary resources appended to a module: they decode to what was encoded, and damaged,
// truncated or lying bytes are refused with a reason, never trusted.
#include <gtest/gtest.h>

#include "platform/EnvFiles.h"
#include "platform/MemEnv.h"
#include "plugins/ResourceBlob.h"
#include "support/OperatorNew.h"

namespace {

PlugInResources Sample() {
  PlugInResources r;
  r.pluginID = 0x182900;
  r.name = "Vantelle Module";
  r.classes.push_back({0x10, 0x20, {{1, 2}, {3, 4}}});
  r.addIns.push_back({0x6201, {{0x182903, 0x18290B}}});
  r.strings.emplace_back("0x182900kAKey", "A \xC3\xA9");
  r.data.push_back({0x49434F4E, 20000, std::string("\x89PNG\0\x01", 6)});
  ScriptElement property;
  property.name = "tagData";
  property.id = 0x564C7364;
  property.type = ScriptData::kString;
  property.objectTypes = {kPageItemScriptObject, kDocumentScriptObject};
  property.provider = 0x182908;
  r.scriptProperties.push_back(property);
  return r;
}

void ExpectSame(const PlugInResources& a, const PlugInResources& b) {
  EXPECT_EQ(a.pluginID, b.pluginID);
  EXPECT_EQ(a.name, b.name);
  ASSERT_EQ(a.classes.size(), b.classes.size());
  EXPECT_EQ(a.classes[0].parent, b.classes[0].parent);
  ASSERT_EQ(a.classes[0].bindings.size(), b.classes[0].bindings.size());
  EXPECT_EQ(a.classes[0].bindings[1].implementation, b.classes[0].bindings[1].implementation);
  ASSERT_EQ(a.addIns.size(), b.addIns.size());
  EXPECT_EQ(a.addIns[0].bindings[0].interfaceID, b.addIns[0].bindings[0].interfaceID);
  EXPECT_EQ(a.strings, b.strings);
  ASSERT_EQ(a.data.size(), b.data.size());
  EXPECT_EQ(a.data[0].type, b.data[0].type);
  EXPECT_EQ(a.data[0].bytes, b.data[0].bytes);
  ASSERT_EQ(a.scriptProperties.size(), b.scriptProperties.size());
  EXPECT_EQ(a.scriptProperties[0].name, b.scriptProperties[0].name);
  EXPECT_EQ(a.scriptProperties[0].id, b.scriptProperties[0].id);
  EXPECT_EQ(a.scriptProperties[0].type, b.scriptProperties[0].type);
  EXPECT_EQ(a.scriptProperties[0].objectTypes, b.scriptProperties[0].objectTypes);
  EXPECT_EQ(a.scriptProperties[0].provider, b.scriptProperties[0].provider);
}

std::string BlobOf(const std::string& encoded) {
  return encoded.substr(0, encoded.size() - ResourceBlob::kTrailerSize);
}

// The reason the resources are refused, "" when they are read; every refusal must give one.
std::string Reason(bool read, const std::string& error) {
  EXPECT_TRUE(read || !error.empty()) << "refused without a reason";
  return read ? "" : error;
}
std::string DecodeError(const std::string& blob, PlugInResources* decoded = nullptr) {
  PlugInResources scratch;
  std::string error;
  return Reason(ResourceBlob::Decode(blob, decoded ? decoded : &scratch, &error), error);
}
// Module files are kept in memory.
class ResourceBlobTest : public ::testing::Test {
 protected:
  void WriteFile(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomically(fFiles, path, reinterpret_cast<const uint8*>(bytes.data()),
                                    bytes.size(), nullptr));
  }
  std::string ReadError(const std::string& path, PlugInResources* read = nullptr) {
    PlugInResources scratch;
    std::string error;
    return Reason(ResourceBlob::ReadFromFile(fFiles, path, read ? read : &scratch, &error), error);
  }

  MemEnv fFiles;
};

void PutU32(std::string* bytes, size_t at, uint32 value) {
  for (int i = 0; i < 4; ++i) (*bytes)[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

TEST_F(ResourceBlobTest, EveryShorterBlobIsRefused) {
  const std::string blob = BlobOf(ResourceBlob::Encode(Sample()));
  for (size_t length = 0; length < blob.size(); ++length) {
    PlugInResources decoded;
    // A cut at a section boundary leaves a well-formed blob with fewer sections: only those
    // after the identity may be missing, and then nothing else may be wrong.
    if (DecodeError(blob.substr(0, length), &decoded).empty()) {
      EXPECT_EQ(decoded.pluginID, 0x182900u) << length;
      EXPECT_LT(decoded.strings.size() + decoded.data.size() + decoded.scriptProperties.size(), 3u)
          << length;
    }
  }
}

TEST_F(ResourceBlobTest, ForgedCountsAndLengthsAreRefused) {
  const std::string blob = BlobOf(ResourceBlob::Encode(Sample()));
  // Offsets: magic 0, version 4, identity section kind 8, length 12, plug-in ID 16, name length 20;
  // the class section follows the identity's payload at 39, its binding count at 55.
  struct Case {
    const char* what;
    size_t at;
    uint32 value;
    const char* error;
  };
  const Case cases[] = {
      {"format version", 4, 2, "its resources have format version 2, not 1"},
      {"section length", 12, 0xFFFFFFF0, "its resources are cut short"},
      {"name length", 20, 0x7FFFFFFF, "a resource of kind 1 is malformed"},
      {"section longer than its fields", 12, 4 + 4 + 15 + 1, "a resource of kind 1 is malformed"},
      {"binding count beyond the section", 55, 0x20000000, "a resource of kind 2 is malformed"},
  };
  for (const Case& c : cases) {
    std::string forged = blob;
    PutU32(&forged, c.at, c.value);
    LargestAllocation probe;
    EXPECT_EQ(DecodeError(forged), c.error) << c.what;
    EXPECT_LT(probe.Bytes(), 1u << 16) << c.what << ": sized by what the blob claims";
  }
  // The scripting property is the last section; counting back from its end: the provider, two
  // object types, their count, the read-only word, then the value type.
  const size_t valueType = blob.size() - 4 - 2 * 4 - 4 - 4 - 4;
  for (uint32 type : {0u, 6u, 0xFFFFFFFFu}) {
    std::string forged = blob;
    PutU32(&forged, valueType, type);
    EXPECT_EQ(DecodeError(forged), "a resource of kind 6 is malformed") << type;
  }
}

// Decoding the sample with an unknown section appended also proves the sample decodes whole.
TEST_F(ResourceBlobTest, UnknownSectionKindsAreSkipped) {
  std::string blob = BlobOf(ResourceBlob::Encode(Sample()));
  blob += std::string("\x63\0\0\0\x03\0\0\0xyz", 11);
  PlugInResources decoded;
  ASSERT_EQ(DecodeError(blob, &decoded), "");
  ExpectSame(Sample(), decoded);
}

TEST_F(ResourceBlobTest, AFileWithEveryByteOfItsResourcesFlippedIsRefused) {
  const std::string code =
      "\x7F"
      "ELF code that stays as it is";
  const std::string encoded = ResourceBlob::Encode(Sample());
  const std::string path = "/module.pln";
  for (size_t i = 0; i < encoded.size(); ++i) {
    std::string damaged = encoded;
    damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    WriteFile(path, code + damaged);
    EXPECT_NE(ReadError(path), "") << "byte " << i;
  }
  WriteFile(path, code + encoded);
  PlugInResources read;
  ASSERT_EQ(ReadError(path, &read), "");
  ExpectSame(Sample(), read);
}

TEST_F(ResourceBlobTest, FilesWithoutResourcesOrWithLyingTrailersAreRefused) {
  const std::string encoded = ResourceBlob::Encode(Sample());
  std::string lying = "code" + encoded;
  PutU32(&lying, lying.size() - ResourceBlob::kTrailerSize, 0xFFFFFF00);
  struct Case {
    const char* what;
    std::string bytes;
    const char* error;
  };
  const Case cases[] = {
      {"empty", "", "the file carries no resources"},
      {"code only", "just code, no resources appended", "the file carries no resources"},
      {"trailer cut", "code" + encoded.substr(0, encoded.size() - 1),
       "the file carries no resources"},
      {"blob cut", "code" + encoded.substr(3), "its resources are damaged (checksum mismatch)"},
      {"length beyond the file", lying,
       "its resources claim 4294967040 bytes, more than the file holds"},
  };
  for (const Case& c : cases) {
    WriteFile("/module.pln", c.bytes);
    EXPECT_EQ(ReadError("/module.pln"), c.error) << c.what;
  }
  EXPECT_EQ(ReadError("/missing.pln"), "the file cannot be opened");
}

TEST_F(ResourceBlobTest, TheSizeWithoutResourcesLetsThemBeReplaced) {
  const std::string path = "/module.pln";
  WriteFile(path, "code");
  uint64 size = 0;
  std::string error;
  ASSERT_TRUE(ResourceBlob::SizeWithoutResources(fFiles, path, &size, &error));
  EXPECT_EQ(size, 4u);
  WriteFile(path, "code" + ResourceBlob::Encode(Sample()));
  ASSERT_TRUE(ResourceBlob::SizeWithoutResources(fFiles, path, &size, &error));
  EXPECT_EQ(size, 4u);
}

}  // namespace
