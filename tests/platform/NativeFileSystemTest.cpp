#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

TEST(NativeFileSystem, NamesTheFileAndTheReasonWhenItFails) {
  test::TempFolder folder;
  const std::string self = folder.Path().string(), target = folder.Name("missing/out.txt");
  EXPECT_EQ(NativeFileSystem().ReadFile(self).error().Message,
            "cannot read \"" + self + "\": Is a directory");
  EXPECT_EQ(NativeFileSystem().CreateTempFile(target, {}).error().Message,
            "cannot create \"" + target + "\": No such file or directory");
}

// Only a file whose rename would leave the old bytes nowhere must wait for the disk first.
TEST(NativeFileSystem, FlushesFirstOnlyWhenTheOldBytesHaveNoOtherName) {
  test::TempFolder folder;
  const std::string existing = folder.Write("fp.txt", "AC#1\r\n");
  const std::string linked = folder.Write("ac.txt", "AC#2\r\n");
  std::filesystem::create_hard_link(linked, folder.Name("ac.txt.BAK"));
  for (const auto& [target, flushFirst] :
       {std::pair{existing, true}, {linked, false}, {folder.Name("new.txt"), false}}) {
    auto file = NativeFileSystem().CreateTempFile(target, {});
    ASSERT_TRUE(file) << target;
    EXPECT_EQ(file.value().FlushFirst, flushFirst) << target;
    NativeFileSystem().Discard(file.value());
  }
}

// A file may be read while another is replaced only when no name of the one leads to the other.
TEST(NativeFileSystem, TellsWhetherTwoNamesMayBeOneFile) {
  test::TempFolder folder;
  const std::string file = folder.Write("fp.txt", "AC#1\r\n");
  const std::string twin = folder.Write("twin.txt", "AC#1\r\n");
  const std::string secondName = folder.Name("fp2.txt");
  std::filesystem::create_hard_link(file, secondName);
  std::vector<std::pair<std::string, bool>> cases{{twin, false},
                                                  {file, true},
                                                  {(folder.Path() / "." / "fp.txt").string(), true},
                                                  {secondName, true},
                                                  {folder.Name("missing.txt"), true}};
#ifndef _WIN32
  std::filesystem::create_symlink(file, folder.Name("link.txt"));
  cases.emplace_back(folder.Name("link.txt"), true);
#endif
  for (const auto& [name, oneFile] : cases) {
    EXPECT_EQ(NativeFileSystem().MayBeOneFile(file, name), oneFile) << name;
    EXPECT_EQ(NativeFileSystem().MayBeOneFile(name, file), oneFile) << name;
  }
}

}  // namespace
}  // namespace fw
