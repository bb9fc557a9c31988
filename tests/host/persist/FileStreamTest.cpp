// Streams over files: what a whole-file stream writes replaces the file only when it is closed,
// an appending stream adds to it, and a reading stream reads it to its end.
#include "InterfacePtr.h"
#include "StreamUtil.h"
#include "support/HostTest.h"

namespace {

using FileStreamTest = HostTest;

TEST_F(FileStreamTest, WriteReplacesOnCloseAppendAddsAndReadReachesTheEnd) {
  const IDFile file = IDFile::FromUTF8("/log.bin");
  auto write = [&file](uint32 mode, int32 value) {
    InterfacePtr<IPMStream> out(StreamUtil::CreateFileStreamWrite(file, mode));
    out->XferInt32(value);
    return out;
  };
  auto read = [&file] {
    InterfacePtr<IPMStream> in(StreamUtil::CreateFileStreamRead(file));
    std::vector<int32> values;
    for (int32 value = 0; in->GetStreamState() == IPMStream::kStreamStateGood;) {
      in->XferInt32(value);
      if (in->GetStreamState() != IPMStream::kStreamStateFailure) values.push_back(value);
    }
    return values;
  };
  write(StreamUtil::kOpenOut | StreamUtil::kOpenTrunc, -12345);
  write(StreamUtil::kOpenOut | StreamUtil::kOpenApp, 2);
  EXPECT_EQ(read(), (std::vector<int32>{-12345, 2}));
  InterfacePtr<IPMStream> replacing = write(StreamUtil::kOpenOut | StreamUtil::kOpenTrunc, 3);
  EXPECT_EQ(read(), (std::vector<int32>{-12345, 2})) << "the old file stays until the new is whole";
  replacing->Close();
  EXPECT_EQ(read(), std::vector<int32>{3});
  InterfacePtr<IPMStream> in(StreamUtil::CreateFileStreamRead(file));
  uint8 run[6] = {9, 9, 9, 9, 9, 9};
  EXPECT_EQ(in->XferByte(run, 6), 4) << "a run reads as far as the file goes";
  EXPECT_EQ(run[3], 3);
  EXPECT_EQ(run[4], 0) << "what the file lacks reads as zero";

  EXPECT_EQ(StreamUtil::CreateFileStreamRead(IDFile::FromUTF8("/missing")), nullptr);
  EXPECT_EQ(StreamUtil::CreateFileStreamRead(IDFile::FromUTF8("/")), nullptr) << "a folder";
  EXPECT_EQ(StreamUtil::CreateFileStreamWrite(IDFile::FromUTF8("/no/such/dir")), nullptr);
}

}  // namespace
