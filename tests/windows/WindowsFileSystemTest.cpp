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

namespace fs = std::filesystem;
using test::HeldFile;
using test::Narrow;
using test::ReadBytes;
using test::TempFolder;
using test::WideEntries;
using WideNames = std::vector<std::wstring>;

Result<void> WriteFile(const std::string& target, std::string_view bytes) {
  auto writer = AtomicFileWriter::Create(NativeFileSystem(), target);
  if (!writer)
    return writer.error();
  if (auto appended = writer.value().Append(bytes); !appended)
    return appended;
  return writer.value().Commit();
}

DWORD AttributesOf(const fs::path& path) {
  return GetFileAttributesW(path.c_str());
}

TEST(WindowsNativeFileSystem, WritesAndReadsANameSpeltInTheSystemCodePage) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the file name is spelt in code page 1252";
  TempFolder folder;
  const std::string name = Narrow(folder.Path()) + "\\Fl\x80tte \xe9t\xe9.txt";
  ASSERT_TRUE(WriteFile(name, "AC#1,Caf\xe9\r\n"));
  EXPECT_EQ(WideEntries(folder.Path()), WideNames{L"Fl\u20actte \u00e9t\u00e9.txt"});
  const Result<ByteBuffer> read = NativeFileSystem().ReadFile(name);
  ASSERT_TRUE(read);
  EXPECT_EQ(read.value().view(), "AC#1,Caf\xe9\r\n");

  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), name, name + ".BAK"));
  EXPECT_EQ(WideEntries(folder.Path()),
            (WideNames{L"Fl\u20actte \u00e9t\u00e9.txt", L"Fl\u20actte \u00e9t\u00e9.txt.BAK"}));
}

TEST(WindowsNativeFileSystem, ReadingAFolderSaysItIsAFolder) {
  TempFolder folder;
  const std::string name = Narrow(folder.Path());
  const Result<ByteBuffer> read = NativeFileSystem().ReadFile(name);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error().Message, "cannot read \"" + name + "\": Is a directory");
}

TEST(WindowsNativeFileSystem, AHiddenTargetStaysHiddenAndANewCopyOfItIsHidden) {
  TempFolder folder;
  const fs::path target = folder.Path() / "fp.txt";
  test::WriteBytes(target, "old\r\n");
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(WriteFile(Narrow(target), "new\r\n"));
  EXPECT_EQ(ReadBytes(target), "new\r\n");
  EXPECT_NE(AttributesOf(target) & FILE_ATTRIBUTE_HIDDEN, 0u);

  const fs::path backup = folder.Path() / "fp.txt.BAK";
  ASSERT_TRUE(CopyFileAtomically(NativeFileSystem(), Narrow(target), Narrow(backup)));
  EXPECT_NE(AttributesOf(backup) & FILE_ATTRIBUTE_HIDDEN, 0u);

  const fs::path plain = folder.Path() / "plain.txt";
  ASSERT_TRUE(WriteFile(Narrow(plain), "x"));
  EXPECT_EQ(AttributesOf(plain) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(WindowsNativeFileSystem, AReadOnlyTargetIsLeftAsItWas) {
  TempFolder folder;
  const fs::path target = folder.Path() / "fp.txt";
  test::WriteBytes(target, "old\r\n");
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  const Result<void> written = WriteFile(Narrow(target), "new\r\n");
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().Message, "cannot write \"" + Narrow(target) + "\": Permission denied");
  EXPECT_EQ(ReadBytes(target), "old\r\n");
  EXPECT_EQ(WideEntries(folder.Path()), WideNames{L"fp.txt"});
}

TEST(WindowsNativeFileSystem, ATargetHeldOpenByAnotherProgramIsLeftAsItWas) {
  TempFolder folder;
  const fs::path target = folder.Path() / "fp.txt";
  test::WriteBytes(target, "old\r\n");
  HeldFile held(target);
  ASSERT_TRUE(held.IsOpen());
  const Result<void> written = WriteFile(Narrow(target), "new\r\n");
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().Message,
            "cannot replace \"" + Narrow(target) + "\": Permission denied");
  held.Release();
  EXPECT_EQ(ReadBytes(target), "old\r\n");
  EXPECT_EQ(WideEntries(folder.Path()), WideNames{L"fp.txt"});
}

TEST(WindowsNativeFileSystem, ATargetHeldForAMomentIsReplacedOnceLetGo) {
  TempFolder folder;
  const fs::path target = folder.Path() / "fp.txt";
  test::WriteBytes(target, "old\r\n");
  HeldFile held(target);
  ASSERT_TRUE(held.IsOpen());
  std::thread scanner([&held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    held.Release();
  });
  const Result<void> written = WriteFile(Narrow(target), "new\r\n");
  scanner.join();
  ASSERT_TRUE(written) << written.error().Message;
  EXPECT_EQ(ReadBytes(target), "new\r\n");
  EXPECT_EQ(WideEntries(folder.Path()), WideNames{L"fp.txt"});
}

}  // namespace
}  // namespace fw
