#include "IPMStream.h"
#include "InterfacePtr.h"
#include "StreamUtil.h"
#include "support/HostTest.h"

namespace {

using PMStringReadWriteTest = HostTest;

PMString RoundTrip(const PMString& text, std::vector<uint8>* stored = nullptr) {
  std::vector<uint8> bytes;
  PMString copy = text;
  copy.ReadWrite(InterfacePtr<IPMStream>(StreamUtil::CreateMemoryStreamWrite(&bytes)));
  if (stored) *stored = bytes;
  PMString read("left over");
  read.ReadWrite(
      InterfacePtr<IPMStream>(StreamUtil::CreateMemoryStreamRead(bytes.data(), bytes.size())));
  return read;
}

TEST_F(PMStringReadWriteTest, TextRoundTripsUnitForUnit) {
  PMString nonBmp;
  nonBmp.AppendUTF32TextChar(0x1F600);
  nonBmp.AppendUTF32TextChar(0x10FFFF);
  nonBmp.Append("x");
  const PMString cases[] = {
      PMString(),
      PMString("Prices, \"quoted\"\r\n"),
      nonBmp,
      PMString(std::u16string{0xD800, u'a', 0xDFFF}),  // lone surrogates stay as they are
      PMString(std::u16string{0, 0xFFFF, 0xFEFF}),
  };
  for (const PMString& text : cases) EXPECT_EQ(RoundTrip(text), text);
  // Stored as a unit count, then the units, big-endian.
  std::vector<uint8> stored;
  RoundTrip(PMString(std::u16string{0xD83D, 0xDE00}), &stored);
  EXPECT_EQ(stored, (std::vector<uint8>{0, 0, 0, 2, 0xD8, 0x3D, 0xDE, 0x00}));
}

TEST_F(PMStringReadWriteTest, ACountBeyondTheBytesReadsWhatThereIsAndFails) {
  const std::vector<uint8> bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0, 'a', 0, 'b', 0};
  InterfacePtr<IPMStream> in(StreamUtil::CreateMemoryStreamRead(bytes.data(), bytes.size()));
  PMString read;
  read.ReadWrite(in);
  EXPECT_EQ(read, PMString("ab"));
  EXPECT_EQ(in->GetStreamState(), IPMStream::kStreamStateFailure);
}

}  // namespace
