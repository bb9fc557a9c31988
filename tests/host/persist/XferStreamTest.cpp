#include <cmath>
#include <cstring>
#include <limits>

#include "InterfacePtr.h"
#include "StreamUtil.h"
#include "support/HostTest.h"

namespace {

using XferStreamTest = HostTest;

InterfacePtr<IPMStream> Writer(std::vector<uint8>* sink) {
  return InterfacePtr<IPMStream>(StreamUtil::CreateMemoryStreamWrite(sink));
}
InterfacePtr<IPMStream> Reader(const std::vector<uint8>& bytes) {
  return InterfacePtr<IPMStream>(StreamUtil::CreateMemoryStreamRead(bytes.data(), bytes.size()));
}

// Every kind of field, written and read back by the same function, as a ReadWrite does.
struct Fields {
  uint8 byte = 0;
  bool16 flag = kFalse;
  int16 i16 = 0;
  uint16 u16 = 0;
  int32 i32 = 0;
  uint32 u32 = 0;
  int64 i64 = 0;
  PMReal real = 0;
  uint8 run[3] = {};

  void ReadWrite(IPMStream* s) {
    s->XferByte(byte);
    s->XferBool(flag);
    s->XferInt16(i16);
    s->XferInt16(u16);
    s->XferInt32(i32);
    s->XferInt32(u32);
    s->XferInt64(i64);
    s->XferReal(real);
    s->XferByte(run, 3);
  }
  bool operator==(const Fields& o) const {
    return byte == o.byte && flag == o.flag && i16 == o.i16 && u16 == o.u16 && i32 == o.i32 &&
           u32 == o.u32 && i64 == o.i64 && std::memcmp(&real, &o.real, sizeof real) == 0 &&
           std::memcmp(run, o.run, 3) == 0;
  }
};

TEST_F(XferStreamTest, EveryFieldKindRoundTripsAtItsExtremes) {
  const Fields cases[] = {
      {},
      {0xFF, kTrue, INT16_MIN, UINT16_MAX, INT32_MIN, UINT32_MAX, INT64_MIN, -0.0, {1, 2, 3}},
      {0x80,
       kTrue,
       INT16_MAX,
       0x8000,
       INT32_MAX,
       0x80000000u,
       INT64_MAX,
       std::numeric_limits<double>::infinity(),
       {0xFF, 0, 0x7F}},
      {1, kTrue, -1, 1, -1, 1, -1, std::numeric_limits<double>::denorm_min(), {0, 0, 0}},
  };
  for (const Fields& written : cases) {
    std::vector<uint8> bytes;
    Fields copy = written;
    copy.ReadWrite(Writer(&bytes));
    EXPECT_EQ(bytes.size(), 1u + 1 + 2 + 2 + 4 + 4 + 8 + 8 + 3);
    Fields read;
    InterfacePtr<IPMStream> in = Reader(bytes);
    read.ReadWrite(in);
    EXPECT_TRUE(read == written);
    EXPECT_EQ(in->GetStreamState(), IPMStream::kStreamStateEOF);
  }
}

TEST_F(XferStreamTest, IntegersAreBigEndianAndRealsAreTheirBits) {
  std::vector<uint8> bytes;
  InterfacePtr<IPMStream> out = Writer(&bytes);
  int32 i = 0x01020304;
  int16 s = -2;
  PMReal r = 1.0;
  out->XferInt32(i);
  out->XferInt16(s);
  out->XferReal(r);
  const std::vector<uint8> expected = {1, 2, 3, 4, 0xFF, 0xFE, 0x3F, 0xF0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(bytes, expected);
}

TEST_F(XferStreamTest, AReadPastTheEndGivesZeroAndTheStreamStaysFailed) {
  const std::vector<uint8> bytes = {0xAB, 0xCD, 0xEF};
  InterfacePtr<IPMStream> in = Reader(bytes);
  int32 value = 77;
  in->XferInt32(value);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(in->GetStreamState(), IPMStream::kStreamStateFailure);
  uint8 byte = 9;
  in->XferByte(byte);
  EXPECT_EQ(byte, 0) << "a failed stream reads nothing more, though bytes remain";
  uint8 run[2] = {5, 5};
  EXPECT_EQ(in->XferByte(run, 2), 0);
  EXPECT_EQ(run[0], 0);
}

}  // namespace
