// Files and folders by IDFile: the host's folders, paths built component by component, folders
// created on the way, existence.
#include <gtest/gtest.h>

#include "FileUtils.h"
#include "app/Host.h"
#include "platform/MemEnv.h"

namespace {

class FileUtilsTest : public ::testing::Test {
 protected:
  MemEnv fFiles;
  Host fHost{fFiles};
};

TEST_F(FileUtilsTest, TheFoldersAreTheEnvironmentsOrThoseTheHostStartedWith) {
  IDFile folder;
  ASSERT_TRUE(FileUtils::GetAppFolder(&folder));
  EXPECT_EQ(folder.GetUTF8Path(), "/app");
  ASSERT_TRUE(FileUtils::GetAppRoamingDataFolder(&folder, PMString()));
  EXPECT_EQ(folder.GetUTF8Path(), "/roaming");

  ASSERT_TRUE(fHost.Start({"", "/a", "/r"}));
  ASSERT_TRUE(FileUtils::GetAppFolder(&folder));
  EXPECT_EQ(folder.GetUTF8Path(), "/a");
  ASSERT_TRUE(FileUtils::GetAppRoamingDataFolder(&folder, "Corbelin"));
  EXPECT_EQ(folder.GetUTF8Path(), "/r/Corbelin");
  EXPECT_FALSE(FileUtils::DoesFileExist(folder)) << "the sub-folder is not created";
  EXPECT_EQ(FileUtils::CreateFolderIfNeeded(folder), kSuccess);
  EXPECT_TRUE(FileUtils::DoesFileExist(folder));
  EXPECT_EQ(FileUtils::CreateFolderIfNeeded(IDFile()), kFailure);
  EXPECT_FALSE(FileUtils::DoesFileExist(IDFile()));
}

}  // namespace
