#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// Writes bytes through a writer and commits.
Result<void> WriteFile(FileSystem& fileSystem, const std::string& target, std::string_view bytes) {
  auto writer = AtomicFileWriter::Create(fileSystem, target);
  if (!writer)
    return writer.error();
  const Result<void> appended = writer.value().Append(bytes);
  return appended ? writer.value().Commit() : appended;
}

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// Pieces are written a page at a time, with what is left over carried into the next piece's
// write: pieces shorter than the rest of a page, empty ones and a last one left over all arrive.
TEST(AtomicFileWriter, PiecesOfAnySizeFollowEachOtherWhole) {
  TempFolder folder;
  const std::string target = folder.Name("out.txt");
  const std::vector<std::size_t> sizes{5000, 3, 0, 1, 9000, 4093, 4096, 7};
  auto writer = AtomicFileWriter::Create(NativeFileSystem(), target);
  ASSERT_TRUE(writer);
  ASSERT_TRUE(writer.value().Append("unaligned"));
  std::string expected = "unaligned";
  for (std::size_t k = 0; k < sizes.size(); ++k)
    expected += std::string(sizes[k], static_cast<char>('a' + k));
  ASSERT_TRUE(writer.value().AppendPieces(
      sizes.size(), [&](std::size_t k) { return sizes[k]; },
      [&](std::size_t k, char* bytes) {
        std::fill_n(bytes, sizes[k], static_cast<char>('a' + k));
        return sizes[k];
      }));
  ASSERT_TRUE(writer.value().Commit());
  EXPECT_TRUE(ReadBytes(target) == expected);
}

// A replaced file keeps its own mode; a new backup copy takes its source's. New files never get
// execute bits, so 0750 is kept only when it is carried over.
TEST(AtomicFileWriter, KeepsAnExistingTargetsPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows files have attributes, not mode bits; tests/windows checks those";
#endif
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "old\r\n");
  fs::permissions(target, static_cast<fs::perms>(0750));
  ASSERT_TRUE(WriteFile(NativeFileSystem(), target, "new\r\n"));
  EXPECT_EQ(ModeOf(target), 0750u);

  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), target, folder.Name("new.BAK")));
  EXPECT_EQ(ModeOf(folder.Name("new.BAK")), 0750u);
  const std::string old = folder.Write("old.BAK", "an older copy\r\n");
  fs::permissions(old, static_cast<fs::perms>(0600));
  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), target, old));
  EXPECT_EQ(ReadBytes(old), "new\r\n");
  EXPECT_EQ(ModeOf(old), 0600u);
}

TEST(AtomicFileWriter, RefusesToReplaceAWriteProtectedFile) {
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "protected\r\n");
  fs::permissions(target, static_cast<fs::perms>(0444));
  const Result<void> written = WriteFile(NativeFileSystem(), target, "new\r\n");
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().Message, "cannot write \"" + target + "\": Permission denied");
  EXPECT_EQ(ReadBytes(target), "protected\r\n");
  EXPECT_EQ(folder.Entries(), Names{"out.txt"});
}

TEST(AtomicFileWriter, WritesThroughASymbolicLinkToTheFileItNames) {
#ifdef _WIN32
  GTEST_SKIP() << "making a symbolic link needs a privilege on Windows";
#endif
  TempFolder real;
  TempFolder links;
  const std::string file = real.Write("fp.txt", "old\r\n");
  const fs::path link = links.Path() / "fp.txt";
  fs::create_symlink(fs::relative(file, links.Path()), link);
  ASSERT_TRUE(WriteFile(NativeFileSystem(), link.string(), "new\r\n"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  EXPECT_EQ(real.Entries(), Names{"fp.txt"});
}

}  // namespace
}  // namespace fw
