#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "support/TempFolder.h"
#include "windows/WindowsTestSupport.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

test::ProgramRun RunCliProgram(const std::vector<std::string>& args) {
  return test::RunProgram(AppPath() + "fleetwright-cli.exe", args);
}

// Unsorted, with a duplicate, a lone LF and a last line without its line end.
constexpr const char* kFlightPlans = "AC#20,x\r\nAC#3,Caf\xe9\nAC#20,x\r\nAC#100,z";
constexpr const char* kSortedFlightPlans = "AC#3,Caf\xe9\r\nAC#20,x\r\nAC#100,z\r\n";

// Names in the system code page, relative to the working folder as Windows resolves them (with
// either kind of root), and on another drive; a name starting with a slash is a name, not an
// option.
TEST(WindowsCli, TakesNamesInEveryWindowsForm) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the file names are spelt in code page 1252";
  test::TempFolder folder;
  const std::string full = folder.Name("");  // with its last backslash
  test::WriteBytes(folder.Path() / L"Vols d\u00e9part \u20ac.txt", kFlightPlans);
  fs::create_directory(folder.Path() / "sub");
  // Beside the programs: under Wine that is drive Z:, the temporary files are on C:.
  const std::string other = AppPath() + "fw-other-drive-" + std::to_string(GetCurrentProcessId());
  fs::create_directory(other);
  const std::pair<std::string, fs::path> outputs[] = {
      {"sub\\a.txt", folder.Path() / "sub" / "a.txt"},
      {full.substr(2) + "b.txt", folder.Path() / "b.txt"},     // "\\users\\..."
      {full.substr(0, 2) + "c.txt", folder.Path() / "c.txt"},  // "C:c.txt"
      {full + "Tri\xe9 \x80.txt", folder.Path() / L"Tri\u00e9 \u20ac.txt"},
      {other + "\\all.txt", fs::path(other) / "all.txt"}};
  const fs::path working = fs::current_path();
  fs::current_path(folder.Path());
  for (const auto& [output, written] : outputs) {
    const test::ProgramRun run =
        RunCliProgram({"sort-flight-plans", "Vols d\xe9part \x80.txt", output});
    EXPECT_EQ(run.Out, "Flight plans successfully sorted!\n") << output << run.Err;
    EXPECT_EQ(ReadBytes(written), kSortedFlightPlans) << output;
  }
  // Wine and Windows resolve "/..." differently; either way it is a name to validate.
  const test::ProgramRun slash =
      RunCliProgram({"sort-flight-plans", "Vols d\xe9part \x80.txt", "/no such folder/e.txt"});
  fs::current_path(working);
  EXPECT_EQ(slash.ExitCode, 2);
  EXPECT_EQ(slash.Err.rfind("The output file folder: ", 0), 0u) << slash.Err;
  fs::remove_all(other);
}

TEST(WindowsCli, LeavesAnOutputHeldByAnotherProgramAsItWas) {
  test::TempFolder folder;
  const std::vector<std::string> args{"sort-flight-plans", folder.Write("fp.txt", kFlightPlans),
                                      folder.Write("sorted.txt", "old\r\n")};
  const HANDLE viewer = test::Hold(args[2]);
  ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
  const test::ProgramRun refused = RunCliProgram(args);
  CloseHandle(viewer);
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_EQ(refused.Err,
            "Error during sort.\ncannot replace \"" + args[2] + "\": Permission denied\n");
  EXPECT_EQ(ReadBytes(args[2]), "old\r\n");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"fp.txt", "sorted.txt"}));
}

}  // namespace
}  // namespace fw
