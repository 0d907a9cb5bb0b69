#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/Paths.h"
#include "support/TempFolder.h"
#include "windows/WindowsTestSupport.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::Narrow;
using test::RunProgram;
using test::TempFolder;

TEST(WindowsGetFolder, SplitsAtTheLastBackslashOnly) {
  EXPECT_EQ(kSeparator, '\\');
  EXPECT_EQ(GetFolder("C:\\Data\\In\\fp.txt", false), "C:\\Data\\In");
  EXPECT_EQ(GetFolder("C:\\Data\\In\\fp.txt", true), "C:\\Data\\In\\");
  EXPECT_EQ(GetFolder("C:\\fp.txt", false), "C:");
  EXPECT_EQ(GetFolder("fp.txt", true), "");
  EXPECT_EQ(GetFolder("\\fp.txt", false), "");
  EXPECT_EQ(GetFolder("C:\\Data\\", false), "C:\\Data");
  EXPECT_EQ(GetFolder("C:/Data/fp.txt", false), "");
  EXPECT_EQ(GetFolder("C:\\Data/In/fp.txt", false), "C:");
}

// AppPath of a copy of the probe program placed at path, as the copy prints it.
std::string AppPathOfCopyAt(const fs::path& path) {
  const fs::path probe = fs::path(Narrow(AppPath())) / "fw_apppath_probe.exe";
  if (!CopyFileW(probe.c_str(), path.c_str(), FALSE))
    return "cannot copy the probe to " + Narrow(path);
  const test::ProgramRun run = RunProgram(Narrow(path), {});
  DeleteFileW(path.c_str());
  EXPECT_EQ(run.ExitCode, 0);
  return run.Out;
}

TEST(WindowsAppPath, EndsInOneBackslashInAFolderWithSpacesAndEightBitLetters) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the folder name is spelt in code page 1252";
  TempFolder folder;
  const fs::path tools = folder.Path() / L"Outils \u00e9t\u00e9 \u20ac";
  fs::create_directory(tools);
  EXPECT_EQ(AppPathOfCopyAt(tools / L"probe.exe"),
            Narrow(folder.Path()) + "\\Outils \xe9t\xe9 \x80\\");
}

TEST(WindowsAppPath, IsTheDriveRootWithItsOneBackslashForAProgramAtTheRoot) {
  const std::string temp = Narrow(fs::temp_directory_path());
  const std::string root = temp.substr(0, 3);
  ASSERT_EQ(root[1], ':');
  const fs::path copy = fs::path(test::Wide(root)) /
                        ("fw-apppath-probe-" + std::to_string(GetCurrentProcessId()) + ".exe");
  const fs::path probe = fs::path(Narrow(AppPath())) / "fw_apppath_probe.exe";
  if (!CopyFileW(probe.c_str(), copy.c_str(), FALSE))
    GTEST_SKIP() << "the root of " << root << " is not writable here";
  DeleteFileW(copy.c_str());
  EXPECT_EQ(AppPathOfCopyAt(copy), root);
}

TEST(WindowsFileExists, AcceptsFilesFoldersAndDriveRoots) {
  TempFolder folder;
  const std::string name = Narrow(folder.Path());
  test::WriteBytes(folder.Path() / "fp.txt", "AC#1,a\r\n");
  const fs::path hidden = folder.Path() / "hidden.txt";
  test::WriteBytes(hidden, "");
  ASSERT_TRUE(SetFileAttributesW(
      hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));

  EXPECT_TRUE(FileExists(name));
  EXPECT_TRUE(FileExists(name + "\\"));
  EXPECT_TRUE(FileExists(name + "\\fp.txt"));
  EXPECT_TRUE(FileExists(name + "\\hidden.txt"));
  EXPECT_TRUE(FileExists(name.substr(0, 3)));  // the drive's root, "C:\"
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsFileExists, FindsANameSpeltInTheSystemCodePage) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the file name is spelt in code page 1252";
  TempFolder folder;
  test::WriteBytes(folder.Path() / L"Vols \u00e9t\u00e9 \u20ac.txt", "");
  const std::string name = Narrow(folder.Path());
  // 0x80 is the euro sign in this code page, not the control character U+0080.
  EXPECT_TRUE(FileExists(name + "\\Vols \xe9t\xe9 \x80.txt"));
  EXPECT_FALSE(FileExists(name + "\\Vols ete \x80.txt"));
}

TEST(WindowsFileExists, RejectsMissingMalformedAndEmptyNames) {
  TempFolder folder;
  const std::string name = Narrow(folder.Path());
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(name + "\\nothing.txt"));
  EXPECT_FALSE(FileExists(name + "\\missing\\fp.txt"));
  EXPECT_FALSE(FileExists(name + "\\bad<name>.txt"));
  EXPECT_FALSE(FileExists(name + "\\bad|name.txt"));
  EXPECT_FALSE(FileExists(name + std::string("\\\0fp.txt", 8)));  // the folder, cut short
  if (const char letter = test::UnusedDriveLetter(); letter != 0) {
    EXPECT_FALSE(FileExists(std::string(1, letter) + ":\\"));
    EXPECT_FALSE(FileExists(std::string(1, letter) + ":\\Data\\In\\fp.txt"));
  }
}

}  // namespace
}  // namespace fw
