#include "InterfacePtr.h"
#include "PMString.h"
#include "StreamUtil.h"
#include "platform/EnvFiles.h"
#include "support/HostTest.h"

namespace {

using FileStreamTest = HostTest;

TEST_F(FileStreamTest, WhatIsWrittenToAFileReadsBack) {
  const IDFile file = IDFile::FromUTF8("/values.bin");
  {
    InterfacePtr<IPMStream> out(StreamUtil::CreateFileStreamWrite(file));
    ASSERT_TRUE(out);
    int32 number = -12345;
    PMString text;
    text.AppendUTF32TextChar(0x1D11E);
    out->XferInt32(number);
    text.ReadWrite(out);
  }
  InterfacePtr<IPMStream> in(StreamUtil::CreateFileStreamRead(file));
  ASSERT_TRUE(in);
  int32 number = 0;
  PMString text;
  in->XferInt32(number);
  text.ReadWrite(in);
  EXPECT_EQ(number, -12345);
  EXPECT_EQ(text.GetUTF16(), std::u16string(u"\U0001D11E"));
  EXPECT_EQ(in->GetStreamState(), IPMStream::kStreamStateEOF);
  in->XferInt32(number);
  EXPECT_EQ(in->GetStreamState(), IPMStream::kStreamStateFailure);
}

TEST_F(FileStreamTest, AppendKeepsWhatTheFileHeldAndWriteReplacesItWhenClosed) {
  const IDFile file = IDFile::FromUTF8("/log.bin");
  auto write = [&file](uint32 mode, uint8 value) {
    InterfacePtr<IPMStream> out(StreamUtil::CreateFileStreamWrite(file, mode));
    out->XferByte(value);
    return out;
  };
  auto contents = [this, &file] {
    std::vector<uint8> bytes;
    EXPECT_TRUE(ReadWholeFile(Files(), file.GetUTF8Path(), 10, &bytes, nullptr));
    return bytes;
  };
  write(StreamUtil::kOpenOut | StreamUtil::kOpenTrunc, 1);
  write(StreamUtil::kOpenOut | StreamUtil::kOpenApp, 2);
  EXPECT_EQ(contents(), (std::vector<uint8>{1, 2}));
  InterfacePtr<IPMStream> replacing = write(StreamUtil::kOpenOut | StreamUtil::kOpenTrunc, 3);
  EXPECT_EQ(contents(), (std::vector<uint8>{1, 2})) << "the old file stays until the new is whole";
  replacing->Close();
  EXPECT_EQ(contents(), std::vector<uint8>{3});
}

TEST_F(FileStreamTest, AFileThatCannotBeOpenedGivesNoStream) {
  EXPECT_EQ(StreamUtil::CreateFileStreamRead(IDFile::FromUTF8("/missing")), nullptr);
  EXPECT_EQ(StreamUtil::CreateFileStreamRead(IDFile::FromUTF8("/")), nullptr) << "a folder";
  EXPECT_EQ(StreamUtil::CreateFileStreamWrite(IDFile::FromUTF8("/no/such/dir")), nullptr);
}

}  // namespace
