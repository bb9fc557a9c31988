// Files and folders by IDFile: the host's folders as set, paths built component by component,
// folders created on the way, existence.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FileUtils.h"
#include "app/Host.h"
#include "host/persist/TempFolder.h"

namespace {

class FileUtilsTest : public ::testing::Test {
 protected:
  TempFolder fFolder;
  Host fHost;
};

TEST_F(FileUtilsTest, TheFoldersAreTheOnesSetOrThePlatformsOwn) {
  IDFile folder;
  ASSERT_TRUE(FileUtils::GetAppFolder(&folder));
  EXPECT_TRUE(FileUtils::DoesFileExist(folder)) << folder.GetUTF8Path();
  ASSERT_TRUE(FileUtils::GetAppRoamingDataFolder(&folder, PMString()));
  EXPECT_FALSE(folder.IsEmpty());

  ASSERT_TRUE(fHost.Start({"", fFolder.File("app"), fFolder.File("roaming")}));
  ASSERT_TRUE(FileUtils::GetAppFolder(&folder));
  EXPECT_EQ(folder.GetUTF8Path(), fFolder.File("app"));
  ASSERT_TRUE(FileUtils::GetAppRoamingDataFolder(&folder, PMString()));
  EXPECT_EQ(folder.GetUTF8Path(), fFolder.File("roaming"));
  ASSERT_TRUE(FileUtils::GetAppRoamingDataFolder(&folder, "Corbelin"));
  EXPECT_EQ(folder.GetUTF8Path(), fFolder.File("roaming/Corbelin"));
  EXPECT_FALSE(FileUtils::DoesFileExist(folder)) << "the sub-folder is not created";
}

TEST_F(FileUtilsTest, AppendPathAddsOneComponent) {
  struct Case {
    const char* path;
    const char* name;
    const char* result;
  };
  const Case cases[] = {
      {"/a", "b", "/a/b"},
      {"/a/", "b", "/a/b"},
      {"/a", "", "/a"},
      {"", "b", "b"},
      {"/a", "QRV Vantelle Module.prf", "/a/QRV Vantelle Module.prf"},
  };
  for (const Case& c : cases) {
    IDFile file = IDFile::FromUTF8(c.path);
    FileUtils::AppendPath(&file, c.name);
    EXPECT_EQ(file.GetUTF8Path(), c.result) << c.path << " + " << c.name;
  }
  IDFile file = IDFile::FromUTF8("/a/b\xC3\xA9");
  EXPECT_EQ(file.GetFileName().GetUTF8String(), "b\xC3\xA9");
}

TEST_F(FileUtilsTest, FoldersAreCreatedWithTheFoldersAboveThem) {
  IDFile nested = IDFile::FromUTF8(fFolder.File("one/two/three"));
  EXPECT_FALSE(FileUtils::DoesFileExist(nested));
  EXPECT_EQ(FileUtils::CreateFolderIfNeeded(nested), kSuccess);
  EXPECT_TRUE(std::filesystem::is_directory(nested.GetUTF8Path()));
  EXPECT_EQ(FileUtils::CreateFolderIfNeeded(nested), kSuccess) << "an existing folder is fine";

  std::ofstream(fFolder.File("plain")) << "x";
  IDFile plain = IDFile::FromUTF8(fFolder.File("plain"));
  EXPECT_TRUE(FileUtils::DoesFileExist(plain));
  EXPECT_EQ(FileUtils::CreateFolderIfNeeded(plain), kFailure) << "a file stands in the way";
  EXPECT_EQ(FileUtils::CreateFolderIfNeeded(IDFile()), kFailure);
  EXPECT_FALSE(FileUtils::DoesFileExist(IDFile()));
}

}  // namespace
