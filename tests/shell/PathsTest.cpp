#include <gtest/gtest.h>

#include <filesystem>

#include "shell/Paths.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

TEST(GetFolder, TakesThePartBeforeTheLastBackslashInWindowsPaths) {
  EXPECT_EQ(GetFolder("C:\\Data\\In\\fp.txt", false, '\\'), "C:\\Data\\In");
  EXPECT_EQ(GetFolder("C:\\Data\\In\\fp.txt", true, '\\'), "C:\\Data\\In\\");
  EXPECT_EQ(GetFolder("C:\\fp.txt", false, '\\'), "C:");
  EXPECT_EQ(GetFolder("fp.txt", false, '\\'), "");
  EXPECT_EQ(GetFolder("fp.txt", true, '\\'), "");
  EXPECT_EQ(GetFolder("\\fp.txt", false, '\\'), "");
  EXPECT_EQ(GetFolder("C:\\Data\\", false, '\\'), "C:\\Data");
  EXPECT_EQ(GetFolder("C:/Data/fp.txt", false, '\\'), "");
}

TEST(GetFolder, TakesThePartBeforeTheLastSlashInSlashPaths) {
  EXPECT_EQ(GetFolder("/data/in/fp.txt", false, '/'), "/data/in");
  EXPECT_EQ(GetFolder("/data/in/fp.txt", true, '/'), "/data/in/");
  EXPECT_EQ(GetFolder("data/fp.txt", false, '/'), "data");
  EXPECT_EQ(GetFolder("fp.txt", true, '/'), "");
  EXPECT_EQ(GetFolder("/fp.txt", false, '/'), "");
  EXPECT_EQ(GetFolder("/data/", false, '/'), "/data");
  EXPECT_EQ(GetFolder("C:\\Data\\fp.txt", false, '/'), "");
}

TEST(WithTrailingSeparator, AddsOneSeparatorOnlyWhereNoneEnds) {
  EXPECT_EQ(WithTrailingSeparator("C:\\Tools", '\\'), "C:\\Tools\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\", '\\'), "C:\\");
  EXPECT_EQ(WithTrailingSeparator("/opt/fw", '/'), "/opt/fw/");
  EXPECT_EQ(WithTrailingSeparator("/", '/'), "/");
}

TEST(AppPath, NamesTheTestProgramsFolderWithOneTrailingSeparator) {
#ifdef _WIN32
  GTEST_SKIP() << "the build folder is a host path in a cross build; tests/windows covers AppPath";
#endif
  const std::string path = AppPath();
  ASSERT_GE(path.size(), 2u);
  EXPECT_EQ(path.back(), kSeparator);
  EXPECT_NE(path[path.size() - 2], kSeparator);
  EXPECT_TRUE(std::filesystem::equivalent(path, FW_TEST_PROGRAM_FOLDER));
}

TEST(FileExists, AcceptsFilesAndFoldersOnly) {
  test::TempFolder folder;
  EXPECT_TRUE(FileExists(folder.Write("fp.txt", "")));
  EXPECT_TRUE(FileExists(folder.Path().string()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(folder.Name("nothing.txt")));
  EXPECT_FALSE(FileExists(folder.Name("missing/fp.txt")));
}

}  // namespace
}  // namespace fw
