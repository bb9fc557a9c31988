// What the host's file flows rely on of an environment, checked on the POSIX one (in a folder of
// the test's own) and on the in-memory one alike: what passes in memory must pass on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/EnvFiles.h"
#include "platform/MemEnv.h"
#include "support/TempFolder.h"

namespace {

class EnvTest : public ::testing::TestWithParam<bool> {
 protected:
  bool OnDisk() const { return GetParam(); }
  Env& TheEnv() { return OnDisk() ? Env::Default() : fMemory; }
  std::string Path(const std::string& name) const {
    return OnDisk() ? fFolder.File(name) : "/" + name;
  }

  bool Write(const std::string& name, const std::string& text, bool append = false) {
    std::unique_ptr<WritableFile> file = TheEnv().OpenWritable(Path(name), append, nullptr);
    return file &&
           file->Append(reinterpret_cast<const uint8*>(text.data()), text.size(), nullptr) &&
           file->Sync(nullptr) && file->Close(nullptr);
  }
  // The file's text, or "error: WHY".
  std::string Read(const std::string& name, uint64 limit = 100) {
    std::vector<uint8> bytes;
    std::string error;
    if (!ReadWholeFile(TheEnv(), Path(name), limit, &bytes, &error)) return "error: " + error;
    return std::string(bytes.begin(), bytes.end());
  }
  std::vector<std::string> List(const std::string& name) {
    std::vector<std::string> names;
    EXPECT_TRUE(TheEnv().ListFolder(Path(name), &names, nullptr));
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder fFolder;
  MemEnv fMemory;
};

TEST_P(EnvTest, FilesAreWrittenAppendedReplacedRenamedAndRemoved) {
  ASSERT_TRUE(Write("a", "abc"));
  ASSERT_TRUE(Write("a", "de", true));
  EXPECT_EQ(Read("a"), "abcde");
  EXPECT_EQ(Read("a", 4).rfind("error: " + Path("a") + " is larger than 4 bytes", 0), 0u);

  ASSERT_TRUE(Write("b", "old"));
  EXPECT_TRUE(TheEnv().Rename(Path("a"), Path("b"), nullptr)) << "a rename replaces its target";
  EXPECT_EQ(Read("b"), "abcde");
  EXPECT_FALSE(TheEnv().Exists(Path("a")));
  ASSERT_TRUE(Write("b", "x"));
  EXPECT_EQ(Read("b"), "x") << "writing empties the file first";
  EXPECT_TRUE(TheEnv().Remove(Path("b"), nullptr));
  EXPECT_FALSE(TheEnv().Remove(Path("b"), nullptr));
  EXPECT_FALSE(TheEnv().Rename(Path("b"), Path("c"), nullptr));
  EXPECT_EQ(Read("b").rfind("error: cannot open " + Path("b") + ": ", 0), 0u);
}

TEST_P(EnvTest, FoldersAreMadeWithThoseAboveListedAndNeverTakenForFiles) {
  EXPECT_TRUE(TheEnv().CreateFolders(Path("x/y/z"), nullptr));
  EXPECT_TRUE(TheEnv().CreateFolders(Path("x/y/z/"), nullptr)) << "an existing folder is fine";
  ASSERT_TRUE(Write("x/f", "1"));
  EXPECT_EQ(List("x"), (std::vector<std::string>{"f", "y"}));
  EXPECT_FALSE(TheEnv().CreateFolders(Path("x/f/g"), nullptr)) << "a file stands in the way";
  EXPECT_FALSE(Write("none/f", "1")) << "a file's folder must exist";
  EXPECT_FALSE(TheEnv().Rename(Path("x/f"), Path("x/y"), nullptr)) << "a folder is no file";
  EXPECT_FALSE(TheEnv().OpenWritable(Path("x"), false, nullptr));
  EXPECT_EQ(Read("x"), "error: cannot open " + Path("x") + ": it is a folder");
  std::vector<std::string> names;
  EXPECT_FALSE(TheEnv().ListFolder(Path("none"), &names, nullptr));
}

// A pipe would keep a reader waiting for its other end: it is refused at once.
TEST(PosixEnvTest, APipeIsRefusedWithoutWaiting) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
  std::string error;
  EXPECT_FALSE(Env::Default().OpenReadable(folder.File("pipe"), &error));
  EXPECT_EQ(error, "it is not a regular file");
  EXPECT_FALSE(Env::Default().OpenWritable(folder.File("pipe"), true, &error));
}

INSTANTIATE_TEST_SUITE_P(PosixAndMemory, EnvTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "Posix" : "Memory";
                         });

}  // namespace
