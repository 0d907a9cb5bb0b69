#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"
#include "windows/WindowsTestSupport.h"

namespace fw {
namespace {

Result<void> WriteFile(const std::string& target, std::string_view bytes) {
  auto writer = AtomicFileWriter::Create(NativeFileSystem(), target);
  if (!writer)
    return writer.error();
  if (auto appended = writer.value().Append(bytes); !appended)
    return appended;
  return writer.value().Commit();
}

bool IsHidden(const std::string& path) {
  return (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
}

// What step gives while another program, a virus scanner say, holds file for a moment.
template <typename Step>
auto WhileHeldForAMoment(const std::string& file, const Step& step) {
  const HANDLE held = test::Hold(file);
  EXPECT_NE(held, INVALID_HANDLE_VALUE) << file;
  std::thread scanner([held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    CloseHandle(held);
  });
  const auto result = step();
  scanner.join();
  return result;
}

// A hidden target stays hidden, and so does a copy of it. Replacing the target, or removing the
// temporary file after a failure, waits for a program that holds the file just then.
TEST(WindowsNativeFileSystem, KeepsAHiddenFileHiddenAndWaitsForAFileHeldForAMoment) {
  test::TempFolder folder;
  const std::string target = folder.Write("fp.txt", "old\r\n");
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
  const Result<void> written =
      WhileHeldForAMoment(target, [&] { return WriteFile(target, "new\r\n"); });
  ASSERT_TRUE(written) << written.error().Message;
  EXPECT_EQ(test::ReadBytes(target), "new\r\n");
  EXPECT_TRUE(IsHidden(target));
  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), target, target + ".BAK"));
  EXPECT_TRUE(IsHidden(target + ".BAK"));
  ASSERT_TRUE(WriteFile(folder.Name("plain.txt"), "x"));
  EXPECT_FALSE(IsHidden(folder.Name("plain.txt")));

  auto file = NativeFileSystem().CreateTempFile(target, {});
  ASSERT_TRUE(file && NativeFileSystem().FlushAndClose(file.value()));
  WhileHeldForAMoment(file.value().Path, [&] {
    NativeFileSystem().Discard(file.value());
    return true;
  });
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"fp.txt", "fp.txt.BAK", "plain.txt"}));
}

}  // namespace
}  // namespace fw
