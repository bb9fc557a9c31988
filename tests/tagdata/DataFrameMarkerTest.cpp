#include <cstring>

#include "support/HostTest.h"
#include "tagdata/DataFrameMarker.h"

namespace {

using DataFrameMarkerTest = HostTest;

TEST_F(DataFrameMarkerTest, FrameIDIsPlatformTextCutTo255Bytes) {
  const struct {
    const char* name;
    PMString frameID;
    std::string expected;  // the 8-bit text stored before the NUL
  } cases[] = {
      {"empty", PMString(), ""},
      {"plain", PMString("A-12"), "A-12"},
      {"right double quote is Mac Roman 0xD3", PMString(std::u16string(u"x\u201Dy")), "x\xD3y"},
      {"unrepresentable becomes ?", PMString(std::u16string(u"\u4E2D")), "?"},
      {"cut to fit", PMString(std::string(300, 'z').c_str()), std::string(255, 'z')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemBlock marker = NewDataFrameMarker(c.frameID, 0);
    ASSERT_EQ(MemBlockSize(marker), kDataFrameMarkerSize);
    const auto* bytes = static_cast<const char*>(marker);
    EXPECT_EQ(std::string(bytes + 2), c.expected);
    const DataFrameMarkerFields fields = ReadDataFrameMarker(marker, MemBlockSize(marker));
    EXPECT_EQ(fields.frameID.GetPlatformString(), c.expected);
    FreeMemBlock(marker);
  }
}

TEST_F(DataFrameMarkerTest, ShortOrUnterminatedPayloadsReadSafely) {
  std::vector<uint8> payload(kDataFrameMarkerSize, 'k');
  payload[258] = 3;
  payload[259] = 0;
  const struct {
    const char* name;
    uint32 length;
    size_t frameIDLength;
    int16 slugPosition;
  } cases[] = {
      {"nothing", 0, 0, 0},
      {"version only", 2, 0, 0},
      {"half a frame ID", 100, 98, 0},
      {"no slug position", 259, 256, 0},
      {"whole, without NUL", kDataFrameMarkerSize, 256, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DataFrameMarkerFields fields = ReadDataFrameMarker(payload.data(), c.length);
    EXPECT_EQ(static_cast<size_t>(fields.frameID.CharCount()), c.frameIDLength);
    EXPECT_EQ(fields.slugPosition, c.slugPosition);
  }
}

}  // namespace
