#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "support/TempFolder.h"
#include "windows/WindowsTestSupport.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::Narrow;

TEST(WindowsGetFolder, SplitsAtTheLastBackslashOnly) {
  EXPECT_EQ(GetFolder("C:\\Data\\In\\fp.txt", true), "C:\\Data\\In\\");
  EXPECT_EQ(GetFolder("C:\\Data/In/fp.txt", false), "C:");
}

// AppPath of a copy of the probe program placed at path, as the copy prints it.
std::string AppPathOfCopyAt(const fs::path& path) {
  const fs::path probe = fs::path(test::Wide(AppPath())) / "fw_apppath_probe.exe";
  if (!CopyFileW(probe.c_str(), path.c_str(), FALSE))
    return "cannot copy the probe to " + Narrow(path);
  const test::ProgramRun run = test::RunProgram(Narrow(path), {});
  DeleteFileW(path.c_str());
  EXPECT_EQ(run.ExitCode, 0);
  return run.Out;
}

TEST(WindowsAppPath, EndsInOneBackslashInAFolderWithSpacesAndEightBitLetters) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the folder name is spelt in code page 1252";
  test::TempFolder folder;
  fs::create_directory(folder.Path() / L"Outils \u00e9t\u00e9 \u20ac");
  EXPECT_EQ(AppPathOfCopyAt(folder.Path() / L"Outils \u00e9t\u00e9 \u20ac" / L"probe.exe"),
            Narrow(folder.Path()) + "\\Outils \xe9t\xe9 \x80\\");
}

TEST(WindowsAppPath, IsTheDriveRootWithItsOneBackslashForAProgramAtTheRoot) {
  const std::string root = Narrow(fs::temp_directory_path()).substr(0, 3);
  ASSERT_EQ(root[1], ':');
  const fs::path copy =
      fs::path(root) / ("fw-apppath-probe-" + std::to_string(GetCurrentProcessId()) + ".exe");
  const std::string printed = AppPathOfCopyAt(copy);
  if (printed.starts_with("cannot copy"))
    GTEST_SKIP() << "the root of " << root << " is not writable here";
  EXPECT_EQ(printed, root);
}

// A drive letter with no drive behind it, or 0 when every letter is taken.
char UnusedDriveLetter() {
  const DWORD drives = GetLogicalDrives();
  // From the end of the alphabet down, away from the letters removable drives get first.
  for (char letter = 'Y'; letter >= 'D'; --letter) {
    if ((drives & (1u << (letter - 'A'))) == 0)
      return letter;
  }
  return 0;
}

TEST(WindowsFileExists, AcceptsHiddenFilesAndRootsAndRejectsMalformedNamesAndMissingDrives) {
  test::TempFolder folder;
  const std::string name = Narrow(folder.Path());
  const fs::path hidden = folder.Path() / "hidden.txt";
  test::WriteBytes(hidden, "");
  ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  for (const std::string& present : {name + "\\", name + "\\hidden.txt", name.substr(0, 3)})
    EXPECT_TRUE(FileExists(present)) << present;
  const char unused = UnusedDriveLetter();
  for (const std::string& absent :
       {name + "\\bad<name>.txt", name + std::string("\\\0fp.txt", 8),  // the folder, cut short
        unused ? std::string(1, unused) + ":\\" : std::string()})
    EXPECT_FALSE(FileExists(absent)) << absent;
  if (GetACP() == 1252) {
    // 0x80 is the euro sign in this code page, not the control character U+0080.
    test::WriteBytes(folder.Path() / L"Vols \u00e9t\u00e9 \u20ac.txt", "");
    EXPECT_TRUE(FileExists(name + "\\Vols \xe9t\xe9 \x80.txt"));
    EXPECT_FALSE(FileExists(name + "\\Vols ete \x80.txt"));
  }
}

}  // namespace
}  // namespace fw
