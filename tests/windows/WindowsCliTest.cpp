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
using test::Narrow;
using test::ReadBytes;
using test::WideEntries;
using test::WriteBytes;
using WideNames = std::vector<std::wstring>;

test::ProgramRun RunCliProgram(const std::vector<std::string>& args) {
  return test::RunProgram(AppPath() + "fleetwright-cli.exe", args);
}

// Unsorted, with a duplicate, a lone LF and a last line without its line end.
constexpr const char* kFlightPlans = "AC#20,x\r\nAC#3,Caf\xe9\nAC#20,x\r\nAC#100,z";
constexpr const char* kSortedFlightPlans = "AC#3,Caf\xe9\r\nAC#20,x\r\nAC#100,z\r\n";

TEST(WindowsCli, SortsAndRenumbersFilesWhoseNamesHaveSpacesAndEightBitLetters) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the file names are spelt in code page 1252";
  test::TempFolder folder;
  WriteBytes(folder.Path() / L"Vols d\u00e9part \u20ac.txt", kFlightPlans);
  const std::string sorted = Narrow(folder.Path()) + "\\Tri\xe9 \x80.txt";
  const test::ProgramRun sort = RunCliProgram(
      {"sort-flight-plans", Narrow(folder.Path()) + "\\Vols d\xe9part \x80.txt", sorted});
  EXPECT_EQ(sort.Out, "Flight plans successfully sorted!\n") << sort.Err;
  EXPECT_EQ(ReadBytes(folder.Path() / L"Tri\u00e9 \u20ac.txt"), kSortedFlightPlans);

  const test::ProgramRun change =
      RunCliProgram({"change-numbers", "--from", "3", "--to", "200", sorted});
  EXPECT_EQ(change.Out, "1 aircraft numbers successfully changed!\n");
  EXPECT_EQ(ReadBytes(folder.Path() / L"Tri\u00e9 \u20ac.txt"),
            "AC#20,x\r\nAC#100,z\r\nAC#200,Caf\xe9\r\n");
  EXPECT_EQ(ReadBytes(folder.Path() / L"Tri\u00e9 \u20ac.txt.BAK"), kSortedFlightPlans);
}

// Relative names mean the working folder as Windows resolves them, with either slash; a name
// starting with a slash is a name, not an option.
TEST(WindowsCli, TakesNamesRelativeToTheWorkingFolder) {
  test::TempFolder folder;
  WriteBytes(folder.Path() / "fp.txt", kFlightPlans);
  fs::create_directory(folder.Path() / "sub");
  const std::string full = Narrow(folder.Path());
  const std::string rooted = full.substr(2);  // without the drive: "\\users\\..."
  const fs::path working = fs::current_path();
  fs::current_path(folder.Path());
  const std::vector<std::pair<std::string, fs::path>> outputs = {
      {"sub\\a.txt", folder.Path() / "sub" / "a.txt"},
      {"sub/b.txt", folder.Path() / "sub" / "b.txt"},
      {rooted + "\\c.txt", folder.Path() / "c.txt"},
      {full.substr(0, 2) + "d.txt", folder.Path() / "d.txt"}};
  std::vector<test::ProgramRun> runs;
  for (const auto& [output, written] : outputs)
    runs.push_back(RunCliProgram({"sort-flight-plans", "fp.txt", output}));
  // Wine and Windows resolve "/..." differently; either way it is a name to validate.
  const test::ProgramRun slash =
      RunCliProgram({"sort-flight-plans", "fp.txt", "/no such folder/e.txt"});
  fs::current_path(working);
  EXPECT_EQ(slash.ExitCode, 2);
  EXPECT_EQ(slash.Err.rfind("The output file folder: ", 0), 0u) << slash.Err;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    EXPECT_EQ(runs[i].Out, "Flight plans successfully sorted!\n")
        << outputs[i].first << runs[i].Err;
    EXPECT_EQ(ReadBytes(outputs[i].second), kSortedFlightPlans) << outputs[i].first;
  }
}

TEST(WindowsCli, WritesItsOutputOnAnotherDrive) {
  test::TempFolder inputs;
  const std::string inputFolder = Narrow(inputs.Path());
  if (toupper(AppPath()[0]) == toupper(inputFolder[0]))
    GTEST_SKIP() << "the programs and the temporary files are on one drive";
  // A folder beside the programs: under Wine that is drive Z:, the temporary files are on C:.
  const fs::path other =
      fs::path(test::Wide(AppPath())) / ("fw-other-drive-" + std::to_string(GetCurrentProcessId()));
  fs::create_directory(other);
  WriteBytes(inputs.Path() / "ap1.txt", "KJFK,New York\r\nEGLL,London\r\n");
  WriteBytes(inputs.Path() / "ap2.txt", "LFPG,Paris\nEGLL,London\r\n");
  const test::ProgramRun run =
      RunCliProgram({"merge-airports", Narrow(other) + "\\all airports.txt",
                     inputFolder + "\\ap1.txt", inputFolder + "\\ap2.txt"});
  const std::string written = ReadBytes(other / "all airports.txt");
  fs::remove_all(other);
  EXPECT_EQ(run.Out, "Airports successfully merged!\n") << run.Err;
  EXPECT_EQ(written, "EGLL,London\r\nKJFK,New York\r\nLFPG,Paris\r\n");
}

TEST(WindowsCli, LeavesAnOutputHeldByAnotherProgramAsItWasUntilItIsLetGo) {
  test::TempFolder folder;
  const std::string name = Narrow(folder.Path());
  WriteBytes(folder.Path() / "fp.txt", kFlightPlans);
  WriteBytes(folder.Path() / "sorted.txt", "old\r\n");
  const std::vector<std::string> args{"sort-flight-plans", name + "\\fp.txt",
                                      name + "\\sorted.txt"};
  test::HeldFile viewer(folder.Path() / "sorted.txt");
  ASSERT_TRUE(viewer.IsOpen());
  const test::ProgramRun refused = RunCliProgram(args);
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_EQ(refused.Err,
            "Error during sort.\ncannot replace \"" + name + "\\sorted.txt\": Permission denied\n");
  EXPECT_EQ(ReadBytes(folder.Path() / "sorted.txt"), "old\r\n");
  EXPECT_EQ(WideEntries(folder.Path()), (WideNames{L"fp.txt", L"sorted.txt"}));

  viewer.Release();
  EXPECT_EQ(RunCliProgram(args).ExitCode, 0);
  EXPECT_EQ(ReadBytes(folder.Path() / "sorted.txt"), kSortedFlightPlans);
}

}  // namespace
}  // namespace fw
