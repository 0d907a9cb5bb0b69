#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/Paths.h"
#include "support/TempFolder.h"
#include "windows/WindowsTestSupport.h"

namespace fw {
namespace {

namespace fs = std::filesystem;
using test::HeldFile;
using test::Narrow;
using test::ReadBytes;
using test::RunProgram;
using test::TempFolder;
using test::WideEntries;
using test::WriteBytes;
using WideNames = std::vector<std::wstring>;

test::ProgramRun RunCliProgram(const std::vector<std::string>& args) {
  return RunProgram(AppPath() + "fleetwright-cli.exe", args);
}

// Unsorted, with a duplicate, a lone LF and a last line without its line end.
constexpr const char* kFlightPlans = "AC#20,x\r\nAC#3,Caf\xe9\nAC#20,x\r\nAC#100,z";
constexpr const char* kSortedFlightPlans = "AC#3,Caf\xe9\r\nAC#20,x\r\nAC#100,z\r\n";

TEST(WindowsCli, SortsAFileWhoseNamesHaveSpacesAndEightBitLetters) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the file names are spelt in code page 1252";
  TempFolder folder;
  WriteBytes(folder.Path() / L"Vols d\u00e9part \u20ac.txt", kFlightPlans);
  const std::string name = Narrow(folder.Path());
  const test::ProgramRun run = RunCliProgram(
      {"sort-flight-plans", name + "\\Vols d\xe9part \x80.txt", name + "\\Tri\xe9 \x80.txt"});
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out, "Flight plans successfully sorted!\n");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(WideEntries(folder.Path()),
            (WideNames{L"Tri\u00e9 \u20ac.txt", L"Vols d\u00e9part \u20ac.txt"}));
  EXPECT_EQ(ReadBytes(folder.Path() / L"Tri\u00e9 \u20ac.txt"), kSortedFlightPlans);
}

TEST(WindowsCli, WritesItsOutputOnAnotherDrive) {
  TempFolder inputs;
  const std::string programFolder = AppPath();
  const std::string inputFolder = Narrow(inputs.Path());
  if (toupper(programFolder[0]) == toupper(inputFolder[0]))
    GTEST_SKIP() << "the programs and the temporary files are on one drive";
  // A folder beside the programs: under Wine that is drive Z:, the temporary files are on C:.
  const fs::path other = fs::path(test::Wide(programFolder)) /
                         ("fw-other-drive-" + std::to_string(GetCurrentProcessId()));
  fs::create_directory(other);
  WriteBytes(inputs.Path() / "ap1.txt", "KJFK,New York\r\nEGLL,London\r\n");
  WriteBytes(inputs.Path() / "ap2.txt", "LFPG,Paris\nEGLL,London\r\n");
  const test::ProgramRun run =
      RunCliProgram({"merge-airports", Narrow(other) + "\\all airports.txt",
                     inputFolder + "\\ap1.txt", inputFolder + "\\ap2.txt"});
  const std::string written = ReadBytes(other / "all airports.txt");
  fs::remove_all(other);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out, "Airports successfully merged!\n");
  EXPECT_EQ(written, "EGLL,London\r\nKJFK,New York\r\nLFPG,Paris\r\n");
}

TEST(WindowsCli, ReplacesAnExistingOutputWhole) {
  TempFolder folder;
  const std::string name = Narrow(folder.Path());
  WriteBytes(folder.Path() / "fp.txt", kFlightPlans);
  WriteBytes(folder.Path() / "sorted.txt", std::string(5000, 'o') + "\r\n");
  const test::ProgramRun run =
      RunCliProgram({"sort-flight-plans", name + "\\fp.txt", name + "\\sorted.txt"});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(ReadBytes(folder.Path() / "sorted.txt"), kSortedFlightPlans);
  EXPECT_EQ(WideEntries(folder.Path()), (WideNames{L"fp.txt", L"sorted.txt"}));
}

TEST(WindowsCli, LeavesAnOutputHeldByAnotherProgramAsItWasUntilItIsLetGo) {
  TempFolder folder;
  const std::string name = Narrow(folder.Path());
  WriteBytes(folder.Path() / "fp.txt", kFlightPlans);
  WriteBytes(folder.Path() / "sorted.txt", "old\r\n");
  const std::vector<std::string> args{"sort-flight-plans", name + "\\fp.txt",
                                      name + "\\sorted.txt"};
  HeldFile viewer(folder.Path() / "sorted.txt");
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

TEST(WindowsCli, ChangesNumbersInPlaceWithABackupBesideAnEightBitName) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the file name is spelt in code page 1252";
  TempFolder folder;
  WriteBytes(folder.Path() / L"Flotte \u00e9t\u00e9.txt", "AC#5,a\r\nAC#9,b\r\n");
  const test::ProgramRun run = RunCliProgram({"change-numbers", "--from", "5", "--to", "12",
                                              Narrow(folder.Path()) + "\\Flotte \xe9t\xe9.txt"});
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out, "1 aircraft numbers successfully changed!\n");
  EXPECT_EQ(ReadBytes(folder.Path() / L"Flotte \u00e9t\u00e9.txt"), "AC#9,b\r\nAC#12,a\r\n");
  EXPECT_EQ(ReadBytes(folder.Path() / L"Flotte \u00e9t\u00e9.txt.BAK"), "AC#5,a\r\nAC#9,b\r\n");
}

TEST(WindowsCli, RefusesOutputFoldersThatAreMissingOrNotInBackslashForm) {
  TempFolder folder;
  const std::string name = Narrow(folder.Path());
  WriteBytes(folder.Path() / "fp.txt", kFlightPlans);
  const char* const kRest =
      "\" does not exist.  Please enter a valid output file folder location.\n";

  std::string slashed = name;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  const test::ProgramRun slashes =
      RunCliProgram({"sort-flight-plans", name + "\\fp.txt", slashed + "/sorted.txt"});
  EXPECT_EQ(slashes.ExitCode, 2);
  EXPECT_EQ(slashes.Err, std::string("The output file folder: \"") + kRest);

  if (const char letter = test::UnusedDriveLetter(); letter != 0) {
    const std::string drive(1, letter);
    const test::ProgramRun missing =
        RunCliProgram({"sort-flight-plans", name + "\\fp.txt", drive + ":\\Traffic\\fp.txt"});
    EXPECT_EQ(missing.ExitCode, 2);
    EXPECT_EQ(missing.Err, "The output file folder: \"" + drive + ":\\Traffic" + kRest);
  }
  EXPECT_EQ(WideEntries(folder.Path()), WideNames{L"fp.txt"});
}

}  // namespace
}  // namespace fw
