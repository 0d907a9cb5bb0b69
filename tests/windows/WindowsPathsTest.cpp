#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "support/TempFolder.h"
#include "windows/WindowsTestSupport.h"

namespace fw {
namespace {

// AppPath as a copy of the probe program at copy prints it, or why there is none.
std::string AppPathOfCopyAt(const std::string& copy) {
  if (!CopyFileA((AppPath() + "fw_apppath_probe.exe").c_str(), copy.c_str(), FALSE))
    return "cannot copy the probe to " + copy;
  const test::ProgramRun run = test::RunProgram(copy, {});
  DeleteFileA(copy.c_str());
  return run.Out;
}

// In a folder whose name has spaces and letters of the code page, and at a drive's root, which
// the system names with its backslash.
TEST(WindowsAppPath, EndsInOneBackslashInAnyFolderAndAtADrivesRoot) {
  test::TempFolder folder;
  if (GetACP() == 1252) {
    const std::string tools = folder.Name("") + "Outils \xe9t\xe9 \x80";
    ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
    EXPECT_EQ(AppPathOfCopyAt(tools + "\\probe.exe"), tools + "\\");
  }
  const std::string root = folder.Name("").substr(0, 3);
  const std::string printed =
      AppPathOfCopyAt(root + "fw-apppath-probe-" + std::to_string(GetCurrentProcessId()) + ".exe");
  if (printed.starts_with("cannot copy"))
    GTEST_SKIP() << "the root of " << root << " is not writable here";
  EXPECT_EQ(printed, root);
}

TEST(WindowsFileExists, AcceptsHiddenFilesAndRootsAndRejectsMalformedNamesAndMissingDrives) {
  test::TempFolder folder;
  const std::string hidden = folder.Write("hidden.txt", "");
  ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  for (const std::string& present : {folder.Name(""), hidden, hidden.substr(0, 3)})
    EXPECT_TRUE(FileExists(present)) << present;
  // A drive letter with no drive behind it, from the end of the alphabet, away from the letters
  // removable drives get first.
  char unused = 'Y';
  while (unused > 'D' && (GetLogicalDrives() & (1u << (unused - 'A'))) != 0)
    --unused;
  for (const std::string& absent :
       {folder.Name("bad<name>.txt"), hidden + '\0' + "x", std::string(1, unused) + ":\\"})
    EXPECT_FALSE(FileExists(absent)) << absent;
}

}  // namespace
}  // namespace fw
