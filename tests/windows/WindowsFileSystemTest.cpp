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

using test::Narrow;

Result<void> WriteFile(const std::filesystem::path& target, std::string_view bytes) {
  auto writer = AtomicFileWriter::Create(NativeFileSystem(), Narrow(target));
  if (!writer)
    return writer.error();
  if (auto appended = writer.value().Append(bytes); !appended)
    return appended;
  return writer.value().Commit();
}

bool IsHidden(const std::filesystem::path& path) {
  return (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
}

TEST(WindowsNativeFileSystem, AHiddenTargetStaysHiddenAndANewCopyOfItIsHidden) {
  test::TempFolder folder;
  const std::filesystem::path target = folder.Path() / "fp.txt";
  test::WriteBytes(target, "old\r\n");
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(WriteFile(target, "new\r\n"));
  EXPECT_EQ(test::ReadBytes(target), "new\r\n");
  EXPECT_TRUE(IsHidden(target));
  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), Narrow(target), Narrow(target) + ".BAK"));
  EXPECT_TRUE(IsHidden(folder.Path() / "fp.txt.BAK"));
  ASSERT_TRUE(WriteFile(folder.Path() / "plain.txt", "x"));
  EXPECT_FALSE(IsHidden(folder.Path() / "plain.txt"));
}

TEST(WindowsNativeFileSystem, ATargetHeldForAMomentIsReplacedOnceLetGo) {
  test::TempFolder folder;
  const std::filesystem::path target = folder.Path() / "fp.txt";
  test::WriteBytes(target, "old\r\n");
  test::HeldFile held(target);
  ASSERT_TRUE(held.IsOpen());
  std::thread scanner([&held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    held.Release();
  });
  const Result<void> written = WriteFile(target, "new\r\n");
  scanner.join();
  ASSERT_TRUE(written) << written.error().Message;
  EXPECT_EQ(test::ReadBytes(target), "new\r\n");
  EXPECT_EQ(test::WideEntries(folder.Path()), std::vector<std::wstring>{L"fp.txt"});
}

// A failure must not leave the temporary file behind because a scanner looks at it just then.
TEST(WindowsNativeFileSystem, ATemporaryFileHeldForAMomentIsRemovedOnceLetGo) {
  test::TempFolder folder;
  auto file = NativeFileSystem().CreateTempFile(Narrow(folder.Path() / "fp.txt"), {});
  ASSERT_TRUE(file && NativeFileSystem().FlushAndClose(file.value()));
  test::HeldFile held(test::Wide(file.value().Path));
  ASSERT_TRUE(held.IsOpen());
  std::thread scanner([&held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    held.Release();
  });
  NativeFileSystem().Discard(file.value());
  scanner.join();
  EXPECT_EQ(test::WideEntries(folder.Path()), std::vector<std::wstring>{});
}

}  // namespace
}  // namespace fw
