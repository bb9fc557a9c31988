// The entry block byte for byte, who owns it, and what the parser does when memory runs out.
#include <gtest/gtest.h>

#include <algorithm>

#include "dataframe/DataFrameTestSupport.h"
#include "dataframe/ReferenceParser.h"
#include "dataframe/memory/MemBlocks.h"
#include "dataframe/parser/EntryParser.h"
#include "support/HostTest.h"

using namespace DataFrameTest;

namespace {

using EntryBlockLayoutTest = HostTest;

struct LayoutCase {
  std::string text;
  int16 type;
  std::string hex;  // the whole block, blanks between fields for reading
};

const LayoutCase kLayoutCases[] = {
    // "K:V" is an entry of 4 + 1 + 1 + 1 + 1 = 8 bytes, 24 in all.
    {"K:V\r\n", 0, "18000000 01000000 00000000 01000000 08000000 4B00 5600"},
    // Empty label and value after trimming: 6 bytes.
    {" : ", 0, "16000000 01000000 00000000 01000000 06000000 00 00"},
    {"Notes", 0,
     "28000000 01000000 00000000 01000000 18000000 4E6F74657300 4D697373696E672056616C756500"},
    // Mac Roman bytes: é 0x8E, € 0xDB, the right double quote 0xD3; '?' for an emoji.
    {"\xC3\xA9:\xE2\x82\xAC\r\xE2\x80\x9D:\xF0\x9F\x98\x80", 0,
     "20000000 01000000 00000000 02000000 08000000 8E00 DB00 08000000 D300 3F00"},
    {"", 0, "10000000 01000000 00000000 00000000"},
    {"<!-- only a comment -->\r\n\r\n", 0, "10000000 01000000 00000000 00000000"},
    // Other types hold no entries, whatever the text; the type is sign-extended.
    {"K:V", 1, "10000000 01000000 01000000 00000000"},
    {"K:V", 5, "10000000 01000000 05000000 00000000"},
    {"K:V", -1, "10000000 01000000 FFFFFFFF 00000000"},
    {"K:V", -32768, "10000000 01000000 0080FFFF 00000000"},
    {"K:V", 256, "10000000 01000000 00010000 00000000"},
};

TEST_F(EntryBlockLayoutTest, BlocksAreExactBytes) {
  for (const LayoutCase& c : kLayoutCases) {
    std::string expected = c.hex;
    expected.erase(std::remove(expected.begin(), expected.end(), ' '), expected.end());
    EXPECT_EQ(Hex(ParseToBytes(Text(c.text), c.type)), expected)
        << ::testing::PrintToString(c.text) << " type " << c.type;
  }
}

TEST_F(EntryBlockLayoutTest, CommentsAreCutFromTheCallersTextForEveryType) {
  for (int16 type : {0, 3}) {
    PMString text = Text("a<!--x-->b\r\n<!--c");
    MemBlock block = nullptr;
    uint32 size = 0;
    ParseDataFrameEntries(text, type, &block, &size);
    EXPECT_EQ(text.GetUTF8String(), "ab\r\n");
    FreeMemBlock(block);
  }
}

TEST_F(EntryBlockLayoutTest, OutsThatAreNullAreNotWrittenAndNothingLeaks) {
  PMString text("K:V");
  uint32 size = 0;
  ParseDataFrameEntries(text, 0, nullptr, &size);
  EXPECT_EQ(size, 24u);
  MemBlock block = nullptr;
  ParseDataFrameEntries(text, 0, &block, nullptr);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(MemBlockSize(block), 24u);
  FreeMemBlock(block);
}

TEST_F(EntryBlockLayoutTest, NoHeadMeansNothingHandedOutAndTheTextUntouched) {
  PMString text("K:V<!-- c -->");
  MemBlock block = reinterpret_cast<MemBlock>(0x1);  // must stay as the caller set it
  uint32 size = 77;
  Memory()->FailAllocation(1);
  ParseDataFrameEntries(text, 0, &block, &size);
  EXPECT_EQ(block, reinterpret_cast<MemBlock>(0x1));
  EXPECT_EQ(size, 77u);
  EXPECT_EQ(text, PMString("K:V<!-- c -->"));
}

// The entries are written into one block made room for at the first entry: however many lines,
// the head and that block are the only allocations, and the block is shrunk to its entries.
TEST_F(EntryBlockLayoutTest, EntriesGoIntoOneBlockShrunkToTheirSize) {
  PMString text;
  for (int i = 0; i < 20000; ++i) text.Append("Label:Value\r\n");
  uint64 before = Memory()->AllocationCount();
  uint64 bytesBefore = Memory()->LiveBytes();
  MemBlock block = nullptr;
  uint32 size = 0;
  ParseDataFrameEntries(text, 0, &block, &size);
  EXPECT_EQ(Memory()->AllocationCount() - before, 2u);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(size, 16u + 20000u * 16u);
  EXPECT_EQ(MemBlockSize(block), size);
  EXPECT_EQ(Memory()->LiveBytes() - bytesBefore, uint64{size});
  FreeMemBlock(block);
}

// Fails each allocation in turn, SQLite style, until a run needs fewer allocations than the one
// that was to fail. A run hands out nothing when the head failed; otherwise a block whose head
// describes exactly the entries it holds: the full list in text order, less the lines for which
// the block could not grow, and all of them when nothing failed.
TEST_F(EntryBlockLayoutTest, EveryFailedAllocationTakesTheDocumentedPath) {
  PMString text;
  for (int i = 0; i < 60; ++i) {
    text.Append(i % 3 == 0 ? "A long label number " : "k");
    text.Append(PMString(std::to_string(i).c_str()));
    text.Append(":v<!-- c -->\r\n");
  }
  PMString referenceText = text;
  const std::vector<Entry> all = EntriesOf(Reference::ParseDataFrameEntries(referenceText, 0));
  ASSERT_EQ(all.size(), 60u);

  const uint64 blocksBefore = Memory()->LiveBlocks();
  bool failedAny = true;
  for (uint64 nth = 1; failedAny; ++nth) {
    SCOPED_TRACE("failing allocation " + std::to_string(nth));
    PMString copy = text;
    MemBlock block = nullptr;
    uint32 size = 0;
    uint64 before = Memory()->AllocationCount();
    Memory()->FailAllocation(nth);
    ParseDataFrameEntries(copy, 0, &block, &size);
    failedAny = Memory()->AllocationCount() - before >= nth;
    Memory()->FailAllocation(0);
    if (nth == 1) {
      EXPECT_EQ(block, nullptr);
      EXPECT_EQ(size, 0u);
      continue;
    }
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemBlockSize(block), size);
    std::vector<Entry> held = EntriesOf(std::string(static_cast<const char*>(block), size));
    FreeMemBlock(block);
    if (failedAny) {
      EXPECT_LT(held.size(), all.size()) << "a failed growth drops its line";
    } else {
      EXPECT_EQ(held, all);
    }
    size_t next = 0;
    for (const Entry& entry : held) {
      while (next < all.size() && all[next] != entry) ++next;
      ASSERT_LT(next, all.size()) << "entry not in the full list, or out of order";
      ++next;
    }
    EXPECT_EQ(Memory()->LiveBlocks(), blocksBefore);
  }
}

}  // namespace
