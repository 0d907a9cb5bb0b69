#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

TEST(NativeFileSystem, NamesTheFileAndTheReasonWhenItFails) {
  test::TempFolder folder;
  const std::string missing = folder.Name("fp.txt");
  const auto notThere = NativeFileSystem().ReadFile(missing);
  ASSERT_FALSE(notThere);
  EXPECT_EQ(notThere.error().Message, "cannot open \"" + missing + "\": No such file or directory");

  const std::string self = folder.Path().string();
  const auto aFolder = NativeFileSystem().ReadFile(self);
  ASSERT_FALSE(aFolder);
  EXPECT_EQ(aFolder.error().Message, "cannot read \"" + self + "\": Is a directory");

  const std::string target = folder.Name("missing/out.txt");
  const auto created = NativeFileSystem().CreateTempFile(target, {});
  ASSERT_FALSE(created);
  EXPECT_EQ(created.error().Message, "cannot create \"" + target + "\": No such file or directory");
}

// Only a file that replaces the user's bytes must wait for the disk before the rename.
TEST(NativeFileSystem, TellsWhetherATemporaryFileReplacesAFile) {
  test::TempFolder folder;
  const std::string existing = folder.Write("fp.txt", "AC#1\r\n");
  for (const auto& [target, replaces] :
       {std::pair{existing, true}, {folder.Name("new.txt"), false}}) {
    auto file = NativeFileSystem().CreateTempFile(target, {});
    ASSERT_TRUE(file) << target;
    EXPECT_EQ(file.value().ReplacesFile, replaces) << target;
    NativeFileSystem().Discard(file.value());
  }
}

}  // namespace
}  // namespace fw
