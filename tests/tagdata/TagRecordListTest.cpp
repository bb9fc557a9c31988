#include "support/HostTest.h"
#include "tagdata/TagRecordBytes.h"
#include "tagdata/TagRecordList.h"

namespace {

constexpr uint32 kA = 0x41414141;  // "AAAA"
constexpr uint32 kB = 0x42424242;
constexpr uint32 kC = 0x43434343;

using TagRecordListTest = HostTest;

struct FindCase {
  const char* name;
  std::string list;  // hex; "" for no list
  uint32 key;
  bool found;
  std::string data;  // hex of the copy when found
};

TEST_F(TagRecordListTest, FindWalksTheRecordAreaOnly) {
  const std::vector<FindCase> cases = {
      {"no list", "", kA, false, ""},
      {"empty list", ListHex({}), kA, false, ""},
      {"only record", ListHex({{kA, "0102"}}), kA, true, "0102"},
      {"after another", ListHex({{kB, "FF"}, {kA, "0102"}}), kA, true, "0102"},
      {"first of two equal keys", ListHex({{kA, "01"}, {kB, ""}, {kA, "02"}}), kA, true, "01"},
      {"absent key", ListHex({{kA, "01"}, {kB, "02"}}), kC, false, ""},
      {"zero-length record", ListHex({{kB, "99"}, {kA, ""}}), kA, true, ""},
      {"version not checked", ListHex({{kA, "77"}}, 0xFFFFFFFF), kA, true, "77"},
      // A record whose data would run past L, and a head cut short by L.
      {"record past the area", ListHeadHex(10) + "00000003 41414141 0102", kA, false, ""},
      {"truncated head", ListHeadHex(12) + RecordHex(kB, "") + "00000000", kA, false, ""},
      {"skip past the area", ListHeadHex(12) + "00000005 42424242 41414141", kA, false, ""},
      {"block one byte short of L + 8", ListHeadHex(9) + RecordHex(kA, ""), kA, false, ""},
      {"block one byte past L + 8", ListHeadHex(7) + RecordHex(kA, ""), kA, false, ""},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.name);
    MemBlock list = c.list.empty() ? nullptr : BlockFromHex(c.list);
    MemBlock data = nullptr;
    uint32 length = 0xDEAD;
    EXPECT_EQ(FindTagRecord(list, c.key, &data, &length), c.found ? kTrue : kFalse);
    if (c.found) {
      EXPECT_EQ(HexOfBlock(data), c.data);
      EXPECT_EQ(length, c.data.size() / 2);
    } else {
      EXPECT_EQ(data, nullptr);
      EXPECT_EQ(length, 0xDEADu);
    }
    FreeMemBlock(data);
    FreeMemBlock(list);
  }
}

TEST_F(TagRecordListTest, BlocksOfFewerThanEightBytesAreNoLists) {
  for (uint32 size = 0; size < 8; ++size) {
    SCOPED_TRACE(size);
    MemBlock list = BlockFromHex(std::string("0000000000000000").substr(0, 2 * size));
    EXPECT_EQ(FindTagRecord(list, kA, nullptr, nullptr), kFalse);
    ASSERT_EQ(PutTagRecord(list, kA, "\x05", 1), kTrue);
    EXPECT_EQ(HexOfBlock(list), ListHex({{kA, "05"}}));
    FreeMemBlock(list);
  }
}

// Without outputs Find allocates nothing; a copy that cannot be allocated is not found.
TEST_F(TagRecordListTest, FindCopiesOnlyWhatItIsAskedFor) {
  MemBlock list = BlockFromHex(ListHex({{kA, "0102"}}));
  const uint64 allocations = Memory()->AllocationCount();
  EXPECT_EQ(FindTagRecord(list, kA, nullptr, nullptr), kTrue);
  uint32 length = 0;
  EXPECT_EQ(FindTagRecord(list, kA, nullptr, &length), kTrue);
  EXPECT_EQ(length, 2u);
  EXPECT_EQ(Memory()->AllocationCount(), allocations);

  Memory()->FailAllocation(1);
  MemBlock data = nullptr;
  EXPECT_EQ(FindTagRecord(list, kA, &data, &length), kFalse);
  EXPECT_EQ(data, nullptr);
  FreeMemBlock(list);
}

struct PutCase {
  const char* name;
  std::string list;  // hex; "" for no list
  uint32 key;
  const char* data;  // hex; null deletes
  std::string expected;
};

TEST_F(TagRecordListTest, PutEditsByteForByte) {
  const std::string two = ListHex({{kA, "0101"}, {kB, "0202"}});
  const std::vector<PutCase> cases = {
      {"append to no list", "", kA, "CAFE", ListHex({{kA, "CAFE"}})},
      {"delete from no list", "", kA, nullptr, ListHex({})},
      {"append", two, kC, "03", ListHex({{kA, "0101"}, {kB, "0202"}, {kC, "03"}})},
      {"replace moves to the end", two, kA, "09", ListHex({{kB, "0202"}, {kA, "09"}})},
      {"replace the last", two, kB, "", ListHex({{kA, "0101"}, {kB, ""}})},
      {"delete the first", two, kA, nullptr, ListHex({{kB, "0202"}})},
      {"delete the last", two, kB, nullptr, ListHex({{kA, "0101"}})},
      {"delete an absent key", two, kC, nullptr, two},
      {"zero-length record", ListHex({}), kA, "", ListHex({{kA, ""}})},
      {"only the first equal key goes", ListHex({{kA, "01"}, {kB, "02"}, {kA, "03"}}), kA, "04",
       ListHex({{kB, "02"}, {kA, "03"}, {kA, "04"}})},
      {"version kept on append", ListHex({{kA, "01"}}, 7), kB, "02",
       ListHex({{kA, "01"}, {kB, "02"}}, 7)},
      {"version kept on delete", ListHex({{kA, "01"}}, 0xABCDEF01), kA, nullptr,
       ListHex({}, 0xABCDEF01)},
      {"one byte short is replaced", ListHeadHex(11) + RecordHex(kB, "0202"), kA, "01",
       ListHex({{kA, "01"}})},
      {"one byte long is replaced", ListHeadHex(9) + RecordHex(kB, "0202"), kA, nullptr,
       ListHex({})},
      {"damaged records are kept", ListHeadHex(10) + "00000009 42424242 0102", kA, "05",
       ListHeadHex(19) + "00000009424242420102" + RecordHex(kA, "05")},
  };
  for (const PutCase& c : cases) {
    SCOPED_TRACE(c.name);
    MemBlock list = c.list.empty() ? nullptr : BlockFromHex(c.list);
    MemBlock data = c.data ? BlockFromHex(c.data) : nullptr;
    EXPECT_EQ(PutTagRecord(list, c.key, data, data ? MemBlockSize(data) : 0), kTrue);
    EXPECT_EQ(HexOfBlock(list), c.expected);
    FreeMemBlock(data);
    FreeMemBlock(list);
  }
}

TEST_F(TagRecordListTest, PutThatCannotAllocateOrWouldPassFourGigabytesAnswersFalse) {
  const struct {
    const char* name;
    std::string list;
    uint32 key, length;
    uint64 failing;
    std::string expected;
  } cases[] = {
      {"no fresh list: no list", "000000", kA, 1, 1, "null"},
      {"no grown list: the old record is gone", ListHex({{kA, "0101"}, {kB, "0202"}}), kA, 1, 1,
       ListHex({{kB, "0202"}})},
      {"past four gigabytes", ListHex({{kA, "01"}}), kB, 0xFFFFFFF0u, 0, ListHex({{kA, "01"}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemBlock list = BlockFromHex(c.list);
    Memory()->FailAllocation(c.failing);
    EXPECT_EQ(PutTagRecord(list, c.key, "\x09", c.length), kFalse);
    Memory()->FailAllocation(0);
    EXPECT_EQ(HexOfBlock(list), c.expected);
    FreeMemBlock(list);
  }
}

}  // namespace
