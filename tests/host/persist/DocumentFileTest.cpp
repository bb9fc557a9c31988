#include "CmdUtils.h"
#include "DocumentBytes.h"
#include "host/database/TestObjects.h"
#include "persist/DocumentFile.h"
#include "support/HostTest.h"
#include "support/OperatorNew.h"

namespace {

constexpr PMIID kUnknownInterface = 0x7E7701;
constexpr ImplementationID kUnknownImpl = 0x7E7702;
constexpr ClassID kUnknownClass = 0x7E7703;

class DocumentFileTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    RegisterTestClasses();
  }

  // A document of three items: the root, one with a number and a non-BMP text, one deleted.
  std::unique_ptr<Database> Sample() {
    auto db = std::make_unique<Database>(kTestItemClass);
    UID item = db->NewUID(kTestItemClass);
    UID gone = db->NewUID(kTestItemClass);
    db->NewUID(kTestVolatileClass);
    PMString text("caf\xE9 ");
    text.AppendUTF32TextChar(0x1F600);
    InterfacePtr<ITestValue> value(db.get(), item);
    value->SetNumber(-42);
    value->SetText(text);
    db->DeleteUID(gone);
    return db;
  }

  // The bytes the test value's ReadWrite writes.
  static std::vector<uint8> ValueBytes(int32 n) {
    return {uint8(n >> 24), uint8(n >> 16), uint8(n >> 8), uint8(n), 0, 0, 0, 0};
  }

  static std::unique_ptr<Database> Read(const std::vector<uint8>& bytes, std::string* error) {
    return DocumentFile::Read(bytes.data(), bytes.size(), error);
  }
};

TEST_F(DocumentFileTest, DataOfImplementationsAndClassesThatAreNotLoadedSurvives) {
  const std::vector<uint8> unknown = {9, 8, 7, 6, 5};
  auto firstTwo = [&unknown] {
    return DocumentBytes(1, 3)
        .Object(1, kTestItemClass, 2)
        .Part(ITestValue::kDefaultIID, 0x7E0001, ValueBytes(7))
        .Part(kUnknownInterface, kUnknownImpl, unknown)
        .Object(2, kUnknownClass, 1)
        .Part(kUnknownInterface, kUnknownImpl, unknown);
  };
  const std::vector<uint8> bytes = firstTwo().Object(3, kTestItemClass, 0).Finish();
  std::string error;
  std::unique_ptr<Database> db = Read(bytes, &error);
  ASSERT_TRUE(db) << error;
  EXPECT_EQ(NumberOf(db.get(), 1), 7);
  EXPECT_EQ(db->GetClass(2), kUnknownClass);
  EXPECT_TRUE(db->IsValidUID(2));
  EXPECT_EQ(db->Instantiate(2, ITestValue::kDefaultIID), nullptr);
  EXPECT_EQ(NumberOf(db.get(), 3), 0) << "a part missing from the file keeps its defaults";

  // Saved again, the unknown parts come back as they were; the stored item gets its part.
  const std::vector<uint8> expected = firstTwo()
                                          .Object(3, kTestItemClass, 1)
                                          .Part(ITestValue::kDefaultIID, 0x7E0001, ValueBytes(0))
                                          .Finish();
  EXPECT_EQ(DocumentFile::Write(*db), expected);

  // Deleting and undoing keeps them too.
  db->DeleteUID(2);
  db->Undo();
  EXPECT_EQ(DocumentFile::Write(*db), expected);
}

TEST_F(DocumentFileTest, AnInterfaceStoredByAnImplementationThatIsNotLoadedKeepsBothParts) {
  const std::vector<uint8> bytes = DocumentBytes(1, 1)
                                       .Object(1, kTestItemClass, 2)
                                       .Part(ITestValue::kDefaultIID, 0x7E0001, ValueBytes(3))
                                       .Part(ITestValue::kDefaultIID, kUnknownImpl, {1, 2})
                                       .Finish();
  std::string error;
  std::unique_ptr<Database> db = Read(bytes, &error);
  ASSERT_TRUE(db) << error;
  EXPECT_EQ(NumberOf(db.get(), 1), 3);
  EXPECT_EQ(DocumentFile::Write(*db), bytes);
}

TEST_F(DocumentFileTest, ATruncatedFileIsRefusedAtEveryLength) {
  const std::vector<uint8> bytes = DocumentFile::Write(*Sample());
  for (size_t length = 0; length < bytes.size(); ++length) {
    std::string error;
    std::vector<uint8> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
    EXPECT_FALSE(Read(cut, &error)) << "length " << length;
    EXPECT_FALSE(error.empty()) << "length " << length;
  }
}

TEST_F(DocumentFileTest, EveryFlippedByteIsRefused) {
  const std::vector<uint8> bytes = DocumentFile::Write(*Sample());
  for (size_t at = 0; at < bytes.size(); ++at) {
    for (uint8 mask : {0x01, 0x80, 0xFF}) {
      std::vector<uint8> damaged = bytes;
      damaged[at] ^= mask;
      std::string error;
      EXPECT_FALSE(Read(damaged, &error)) << "byte " << at << " mask " << int(mask);
      EXPECT_FALSE(error.empty());
    }
  }
}

// Files with a correct checksum whose contents lie: each is refused with its own reason, and
// nothing is allocated on the strength of a count or size it states.
TEST_F(DocumentFileTest, HostileFilesAreRefusedWithoutLargeAllocations) {
  const uint32 huge = 0xFFFFFFFF;
  const std::vector<uint8> hugeText = {0, 0, 0, 1, 0x7F, 0xFF, 0xFF, 0xFF, 0, 'a'};
  struct Case {
    const char* name;
    std::vector<uint8> bytes;
    const char* message;
  };
  const Case cases[] = {
      {"not a document",
       {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       "not a document file"},
      {"newer version", DocumentBytes(1, 0, 2).Finish(), "version 2"},
      {"object count", DocumentBytes(1, huge).Object(1, kTestItemClass, 0).Finish(),
       "more objects than it holds"},
      {"part count", DocumentBytes(1, 1).Object(1, kTestItemClass, huge).Finish(),
       "more parts than the file holds"},
      {"part length",
       DocumentBytes(1, 1).Object(1, kTestItemClass, 1).U32(1).U32(2).U32(huge).Finish(),
       "truncated"},
      {"string length",
       DocumentBytes(1, 1)
           .Object(1, kTestItemClass, 1)
           .Part(ITestValue::kDefaultIID, 0x7E0001, hugeText)
           .Finish(),
       "is damaged"},
      {"part too long",
       DocumentBytes(1, 1)
           .Object(1, kTestItemClass, 1)
           .Part(ITestValue::kDefaultIID, 0x7E0001, {0, 0, 0, 1, 0, 0, 0, 0, 0xEE})
           .Finish(),
       "is damaged"},
      {"no root", DocumentBytes(9, 1).Object(1, kTestItemClass, 0).Finish(), "no root object"},
      {"no class", DocumentBytes(1, 1).Object(1, 0, 0).Finish(), "has no class"},
      {"UID zero", DocumentBytes(0, 1).Object(0, kTestItemClass, 0).Finish(), "out of order"},
      {"repeated UID",
       DocumentBytes(1, 2).Object(1, kTestItemClass, 0).Object(1, kTestItemClass, 0).Finish(),
       "out of order"},
      {"repeated part",
       DocumentBytes(1, 1)
           .Object(1, kUnknownClass, 2)
           .Part(kUnknownInterface, kUnknownImpl, {})
           .Part(kUnknownInterface, kUnknownImpl, {})
           .Finish(),
       "twice"},
      {"trailing bytes", DocumentBytes(1, 1).Object(1, kTestItemClass, 0).U32(0).Finish(),
       "after its last object"},
  };
  for (const Case& c : cases) {
    std::string error;
    LargestAllocation probe;
    EXPECT_FALSE(Read(c.bytes, &error)) << c.name;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
    EXPECT_LE(probe.Bytes(), 4096u) << c.name;
  }
}

TEST_F(DocumentFileTest, ChecksumIsTheStandardCrc32) {
  const char text[] = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const uint8*>(text), 9), 0xCBF43926u);
}

}  // namespace
