// The platform calls plug-ins make: their module's file name into a bounded buffer, and beeps.
#include <gtest/gtest.h>

#include <string>

#include "PMString.h"
#include "PlatformCalls.h"
#include "app/Host.h"
#include "dataframe/memory/MemBlocks.h"
#include "platform/Platform.h"

namespace {

const char gInsideTheProgram = 0;

std::u16string ProgramPath() {
  PMString path;
  path.SetUTF8String(Platform::ExecutablePath());
  return path.GetUTF16();
}

TEST(PlatformCallsTest, ModuleFileNameFitsTheBufferOrIsCut) {
  const std::u16string full = ProgramPath();
  ASSERT_GT(full.size(), 4u);
  struct Case {
    DWORD size;
    DWORD answer;
    size_t copied;
  };
  const DWORD exact = static_cast<DWORD>(full.size());
  const Case cases[] = {
      {exact + 10, exact, full.size()},  // room to spare
      {exact + 1, exact, full.size()},   // exactly the path and its NUL
      {exact, exact, full.size() - 1},   // one short: cut, and the answer is the size
      {5, 5, 4},
      {1, 1, 0},
      {0, 0, 0},  // no room: nothing written
  };
  for (const Case& c : cases) {
    std::u16string buffer(c.size + 1, u'#');
    DWORD answer = GetModuleFileNameW(&gInsideTheProgram, buffer.data(), c.size);
    EXPECT_EQ(answer, c.answer) << "size " << c.size;
    EXPECT_EQ(buffer.substr(0, c.copied), full.substr(0, c.copied)) << "size " << c.size;
    EXPECT_EQ(buffer[c.copied], c.size ? u'\0' : u'#') << "size " << c.size;
    EXPECT_EQ(buffer[c.size], u'#') << "nothing written past the buffer, size " << c.size;
  }
  WCHAR buffer[8] = {};
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 8), 0u) << "no module holds address 0";
}

TEST(PlatformCallsTest, BeepsAreCountedWithTheirKind) {
  Host host;
  MessageBeep(0x30);
  EXPECT_EQ(host.LastBeepType(), 0x30u);
  BeepAlert();
  EXPECT_EQ(host.BeepCount(), 2u);
  EXPECT_EQ(host.LastBeepType(), 0u) << "BeepAlert sounds the default beep";
}

}  // namespace
