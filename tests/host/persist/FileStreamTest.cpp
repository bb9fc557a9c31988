#include "InterfacePtr.h"
#include "PMString.h"
#include "StreamUtil.h"
#include "TempFolder.h"
#include "support/HostTest.h"

namespace {

using FileStreamTest = HostTest;

TEST_F(FileStreamTest, WhatIsWrittenToAFileReadsBack) {
  TempFolder folder;
  const IDFile file = IDFile::FromUTF8(folder.File("values.bin"));
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

TEST_F(FileStreamTest, AppendKeepsWhatTheFileHeldAndWriteEmptiesIt) {
  TempFolder folder;
  const IDFile file = IDFile::FromUTF8(folder.File("log.bin"));
  auto write = [&file](uint32 mode, uint8 value) {
    InterfacePtr<IPMStream> out(StreamUtil::CreateFileStreamWrite(file, mode));
    out->XferByte(value);
  };
  write(StreamUtil::kOpenOut | StreamUtil::kOpenTrunc, 1);
  write(StreamUtil::kOpenOut | StreamUtil::kOpenApp, 2);
  InterfacePtr<IPMStream> in(StreamUtil::CreateFileStreamRead(file));
  uint8 bytes[3] = {};
  EXPECT_EQ(in->XferByte(bytes, 2), 2);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[1], 2);
  in.reset();
  write(StreamUtil::kOpenOut | StreamUtil::kOpenTrunc, 3);
  in.reset(StreamUtil::CreateFileStreamRead(file));
  EXPECT_EQ(in->XferByte(bytes, 2), 0) << "the file holds one byte again";
}

TEST_F(FileStreamTest, AFileThatCannotBeOpenedGivesNoStream) {
  TempFolder folder;
  EXPECT_EQ(StreamUtil::CreateFileStreamRead(IDFile::FromUTF8(folder.File("missing"))), nullptr);
  EXPECT_EQ(StreamUtil::CreateFileStreamWrite(IDFile::FromUTF8(folder.File("no/such/dir"))),
            nullptr);
}

}  // namespace
