#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

TEST(GetFolder, TakesThePartBeforeTheLastSeparatorOfEitherForm) {
  struct Case {
    const char* Path;
    bool Trailing;
    char Separator;
    const char* Folder;
  };
  const Case cases[] = {{"C:\\Data\\In\\fp.txt", false, '\\', "C:\\Data\\In"},
                        {"C:\\Data\\In\\fp.txt", true, '\\', "C:\\Data\\In\\"},
                        {"C:\\fp.txt", false, '\\', "C:"},
                        {"fp.txt", false, '\\', ""},
                        {"fp.txt", true, '\\', ""},
                        {"\\fp.txt", false, '\\', ""},
                        {"C:\\Data\\", false, '\\', "C:\\Data"},
                        {"C:/Data/fp.txt", false, '\\', ""},
                        {"/data/in/fp.txt", true, '/', "/data/in/"},
                        {"C:\\Data\\fp.txt", false, '/', ""}};
  for (const Case& c : cases)
    EXPECT_EQ(GetFolder(c.Path, c.Trailing, c.Separator), c.Folder) << c.Path << ' ' << c.Trailing;
  EXPECT_EQ(WithTrailingSeparator("C:\\Tools", '\\'), "C:\\Tools\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\", '\\'), "C:\\");
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
  EXPECT_FALSE(FileExists(folder.Name("missing/fp.txt")));
}

}  // namespace
}  // namespace fw
