#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::FaultyFileSystem;
using test::FileStep;
using test::ReadBytes;
using test::TempFolder;
namespace fs = std::filesystem;

using Names = std::vector<std::string>;

// Writes the pieces through a writer and commits.
Result<void> WriteFile(FileSystem& fileSystem, const std::string& target,
                       const std::vector<std::string>& pieces) {
  auto writer = AtomicFileWriter::Create(fileSystem, target);
  if (!writer)
    return writer.error();
  for (const std::string& piece : pieces) {
    if (auto appended = writer.value().Append(piece); !appended)
      return appended;
  }
  return writer.value().Commit();
}

unsigned ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// A mode no new file gets by default (new files never get execute bits), so keeping it is seen.
constexpr unsigned kUnusualMode = 0750;

// Many short lines that fill two and a half blocks, a piece larger than a block, and a tail:
// blocks written while the next fills, a piece written on its own, and the rest at the end.
std::vector<std::string> PiecesOfEveryKind() {
  std::vector<std::string> pieces;
  for (int i = 0; i < 25000; ++i) {
    std::string line = "AC#" + std::to_string(i) + ",";
    line.resize(98, 'a' + static_cast<char>(i % 26));
    pieces.push_back(line + "\r\n");
  }
  pieces.push_back(std::string(2 << 20, 'x'));
  pieces.push_back("tail\r\n");
  return pieces;
}

TEST(AtomicFileWriter, AnAbandonedWriterLeavesTheTargetAndNoTemporaryFile) {
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "old\r\n");
  {
    auto writer = AtomicFileWriter::Create(NativeFileSystem(), target);
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer.value().Append(std::string(3 << 20, 'x')));
  }
  EXPECT_EQ(ReadBytes(target), "old\r\n");
  EXPECT_EQ(folder.Entries(), Names{"out.txt"});
}

struct FailingStep {
  FileStep Step;
  const char* What;
  friend void PrintTo(const FailingStep& step, std::ostream* out) {
    *out << "step " << static_cast<int>(step.Step);
  }
};

class AtomicFileWriterFailure : public testing::TestWithParam<FailingStep> {};

// Fails the first call of the step, then the second, and so on until the step is no longer
// called: each failure must leave the target as it was and no temporary file behind; the run
// that no longer fails must replace the target with every piece in order.
TEST_P(AtomicFileWriterFailure, KeepsTheTargetOnEachFailureAndReplacesItOtherwise) {
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "old bytes\r\n");
  const std::vector<std::string> pieces = PiecesOfEveryKind();
  int failures = 0;
  for (int nth = 1;; ++nth) {
    FaultyFileSystem faulty;
    faulty.FailAt(GetParam().Step, nth);
    const Result<void> written = WriteFile(faulty, target, pieces);
    if (faulty.Calls(GetParam().Step) < nth) {
      ASSERT_TRUE(written);
      std::string expected;
      for (const std::string& piece : pieces)
        expected += piece;
      EXPECT_TRUE(ReadBytes(target) == expected);
      EXPECT_EQ(folder.Entries(), Names{"out.txt"});
      break;
    }
    ++failures;
    ASSERT_FALSE(written) << "call " << nth;
    EXPECT_EQ(written.error().Message, test::InjectedFault(GetParam().What, target));
    EXPECT_EQ(ReadBytes(target), "old bytes\r\n") << "call " << nth;
    EXPECT_EQ(folder.Entries(), Names{"out.txt"}) << "call " << nth;
  }
  // The content spans several blocks, so a write can fail at the start, middle or end.
  EXPECT_GE(failures, GetParam().Step == FileStep::Write ? 3 : 1);
}

INSTANTIATE_TEST_SUITE_P(EachStep, AtomicFileWriterFailure,
                         testing::Values(FailingStep{FileStep::CreateTempFile, "cannot create"},
                                         FailingStep{FileStep::Write, "cannot write"},
                                         FailingStep{FileStep::FlushAndClose, "cannot write"},
                                         FailingStep{FileStep::ReplaceTarget, "cannot replace"}));

TEST(AtomicFileWriter, KeepsAnExistingTargetsPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows files have attributes, not mode bits; tests/windows checks those";
#endif
  TempFolder folder;
  const std::string target = folder.Write("out.txt", "old\r\n");
  fs::permissions(target, static_cast<fs::perms>(kUnusualMode));
  ASSERT_TRUE(WriteFile(NativeFileSystem(), target, {"new\r\n"}));
  EXPECT_EQ(ModeOf(target), kUnusualMode);
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
  EXPECT_EQ(links.Entries(), Names{"fp.txt"});
}

TEST(CopyFileAtomically, ANewCopyGetsTheSourcesPermissionsAReplacedOneKeepsItsOwn) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows files have attributes, not mode bits; tests/windows checks those";
#endif
  TempFolder folder;
  const std::string source = folder.Write("fp.txt", "AC#1,a\r\n");
  fs::permissions(source, static_cast<fs::perms>(kUnusualMode));
  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), source, folder.Name("new.BAK")));
  EXPECT_EQ(ModeOf(folder.Name("new.BAK")), kUnusualMode);

  const std::string old = folder.Write("old.BAK", "an older copy\r\n");
  fs::permissions(old, static_cast<fs::perms>(0600));
  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), source, old));
  EXPECT_EQ(ReadBytes(old), "AC#1,a\r\n");
  EXPECT_EQ(ModeOf(old), 0600u);
  EXPECT_EQ(folder.Entries(), (Names{"fp.txt", "new.BAK", "old.BAK"}));
}

TEST(CopyFileAtomically, AMissingSourceLeavesTheDestinationAlone) {
  TempFolder folder;
  const std::string backup = folder.Write("fp.txt.BAK", "kept\r\n");
  const Result<void> copied = CopyFileAtomically(NativeFileSystem(), folder.Name("fp.txt"), backup);
  ASSERT_FALSE(copied);
  EXPECT_EQ(copied.error().Message,
            "cannot open \"" + folder.Name("fp.txt") + "\": No such file or directory");
  EXPECT_EQ(ReadBytes(backup), "kept\r\n");
  EXPECT_EQ(folder.Entries(), Names{"fp.txt.BAK"});
}

}  // namespace
}  // namespace fw
