#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::FileStep;
using test::ReadBytes;
using test::TempFolder;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// Writes the pieces through a writer and commits: the first half appended one by one, the rest
// in four parts filled on two threads.
Result<void> WriteFile(FileSystem& fileSystem, const std::string& target,
                       const std::vector<std::string>& pieces) {
  auto writer = AtomicFileWriter::Create(fileSystem, target);
  const std::size_t half = pieces.size() / 2;
  for (std::size_t i = 0; writer && i < half; ++i) {
    if (auto appended = writer.value().Append(pieces[i]); !appended)
      return appended;
  }
  if (!writer)
    return writer.error();
  constexpr std::size_t kParts = 4;
  const std::size_t partSize = (pieces.size() - half + kParts - 1) / kParts;
  auto part = [&](std::size_t k) {
    std::string text;
    for (std::size_t i = half + k * partSize;
         i < std::min(half + (k + 1) * partSize, pieces.size()); ++i)
      text += pieces[i];
    return text;
  };
  auto filled = writer.value().AppendPieces(
      kParts, [&](std::size_t k) { return part(k).size(); },
      [&](std::size_t k, char* bytes) { return part(k).copy(bytes, std::string::npos); });
  return filled ? writer.value().Commit() : filled;
}

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// A mode no new file gets by default (new files never get execute bits), so keeping it is seen.
constexpr unsigned kUnusualMode = 0750;

class AtomicFileWriterFailure : public testing::TestWithParam<std::pair<FileStep, const char*>> {};

// Fails the first call of the step, then the second, and so on until the step is no longer
// called: each failure must leave the target as it was and no temporary file behind; the run
// that no longer fails must replace the target with every piece in order.
TEST_P(AtomicFileWriterFailure, KeepsTheTargetOnEachFailureAndReplacesItOtherwise) {
  const auto [step, what] = GetParam();
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "old bytes\r\n");
  // Short lines filling two and a half blocks, a piece larger than a block, and a tail.
  std::vector<std::string> pieces;
  for (int i = 0; i < 25000; ++i)
    pieces.push_back("AC#" + std::to_string(i) + std::string(90, 'a' + i % 26) + "\r\n");
  pieces.push_back(std::string(2 << 20, 'x'));
  pieces.push_back("tail\r\n");
  int failures = 0;
  for (int nth = 1;; ++nth) {
    test::FaultyFileSystem faulty;
    faulty.FailAt(step, nth);
    const Result<void> written = WriteFile(faulty, target, pieces);
    EXPECT_EQ(folder.Entries(), Names{"out.txt"}) << "call " << nth;
    EXPECT_EQ(faulty.Schedule().Faults(), Names{}) << "call " << nth;
    if (faulty.Calls(step) < nth) {
      ASSERT_TRUE(written);
      std::string expected;
      for (const std::string& piece : pieces)
        expected += piece;
      EXPECT_TRUE(ReadBytes(target) == expected);
      break;
    }
    ++failures;
    ASSERT_FALSE(written) << "call " << nth;
    EXPECT_EQ(written.error().Message, test::InjectedFault(what, target));
    EXPECT_EQ(ReadBytes(target), "old bytes\r\n") << "call " << nth;
  }
  // The content spans several blocks, so a write can fail at the start, middle or end.
  EXPECT_GE(failures, step == FileStep::Write ? 3 : 1);
}

INSTANTIATE_TEST_SUITE_P(EachStep, AtomicFileWriterFailure,
                         testing::Values(std::pair{FileStep::CreateTempFile, "cannot create"},
                                         std::pair{FileStep::Write, "cannot write"},
                                         std::pair{FileStep::FlushAndClose, "cannot write"},
                                         std::pair{FileStep::ReplaceTarget, "cannot replace"}));

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

// A replaced file keeps its own mode; a new backup copy takes its source's.
TEST(AtomicFileWriter, KeepsAnExistingTargetsPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows files have attributes, not mode bits; tests/windows checks those";
#endif
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "old\r\n");
  fs::permissions(target, static_cast<fs::perms>(kUnusualMode));
  ASSERT_TRUE(WriteFile(NativeFileSystem(), target, {"new\r\n"}));
  EXPECT_EQ(ModeOf(target), kUnusualMode);

  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), target, folder.Name("new.BAK")));
  EXPECT_EQ(ModeOf(folder.Name("new.BAK")), kUnusualMode);
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
  const Result<void> written = WriteFile(NativeFileSystem(), target, {"new\r\n"});
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
  ASSERT_TRUE(WriteFile(NativeFileSystem(), link.string(), {"new\r\n"}));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  EXPECT_EQ(real.Entries(), Names{"fp.txt"});
}

}  // namespace
}  // namespace fw
