#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cli/Cli.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
using Names = std::vector<std::string>;
using Outcome = std::tuple<int, std::string, std::string>;  // status, output, error output

// One in-process run of the command line.
Outcome RunCommand(const Names& args, bool terminal = false) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, CliEnvironment{terminal, "/opt/fw/"});
  return {status, out.str(), err.str()};
}

TEST(Cli, EachSubcommandRunsItsOperationAndPrintsItsSuccessText) {
  const std::pair<std::string, std::string> commands[] = {
      {"sort-flight-plans", "Flight plans successfully sorted!\n"},
      {"merge-flight-plans", "Flight plans successfully merged!\n"},
      {"sort-airports", "Airports successfully sorted!\n"},
      {"merge-airports", "Airports successfully merged!\n"},
      {"sort-aircraft", "Aircraft successfully sorted!\n"},
      {"merge-aircraft", "Aircraft successfully merged!\n"},
  };
  for (const auto& [name, success] : commands) {
    SCOPED_TRACE(name);
    const bool airports = name.ends_with("airports");
    TempFolder folder;
    const std::string in =
        folder.Write("in.txt", airports ? "KXYZ,2\r\nABCD,1\rKXYZ,3" : "AC#2,b\r\nAC#1,a\nAC#2,b");
    const std::string out = folder.Name("out.txt");
    EXPECT_EQ(
        RunCommand(name.starts_with("merge") ? Names{name, out, in, in} : Names{name, in, out}),
        Outcome(0, success, ""));
    EXPECT_EQ(ReadBytes(out), airports ? "ABCD,1\r\nKXYZ,2\r\n" : "AC#1,a\r\nAC#2,b\r\n");
  }
}

TEST(Cli, ChangeNumbersKeepsTheNewNumberAsTypedAndBacksUpUnlessTold) {
  TempFolder folder;
  const std::string file = folder.Write("a.txt", "AC#5,a\r\nAC#3,b");
  const Outcome changed(0, "1 aircraft numbers successfully changed!\n", "");
  EXPECT_EQ(RunCommand({"change-numbers", "--no-backup", "--from", "5", "--to", "07", file}),
            changed);
  EXPECT_EQ(ReadBytes(file), "AC#3,b\r\nAC#07,a\r\n");
  EXPECT_EQ(folder.Entries(), Names{"a.txt"});
  EXPECT_EQ(RunCommand({"change-numbers", "--from", "3", "--to", "4", file}), changed);
  EXPECT_EQ(folder.Entries(), (Names{"a.txt", "a.txt.BAK"}));
}

// A failure is status 1 and leaves the output as it was; a strict evaluation that finds an error
// is status 3.
TEST(Cli, ReportsFailuresAndStrictEvaluationErrorsByStatus) {
  TempFolder folder;
  const std::string bad = folder.Write("bad.txt", "AC#1,a\r\nAC#,b\r\n");
  const std::string output = folder.Write("out.txt", "kept\r\n");
  EXPECT_EQ(
      RunCommand({"merge-aircraft", output, bad}),
      Outcome(1, "",
              "Error during merge.\nline 2 of \"" + bad + "\": \"AC#\" has no aircraft number\n"));
  EXPECT_EQ(ReadBytes(output), "kept\r\n");

  const std::string plans = folder.Write(
      "fp.txt",
      "AC#1,EX-A,100%,WEEK,IFR,0/06:00,0/08:00,350,F,1,KBBB,0/10:00,0/12:00,350,F,2,KAAA");
  const std::string airports = folder.Write("ap.txt", "KAAA,1");
  const std::string report = folder.Name("report.txt");
  const std::string said =
      "1 errors and 0 warnings in 2 files.\nReport written to \"" + report + "\".\n";
  EXPECT_EQ(RunCommand({"evaluate-flight-plans", report, plans, airports}), Outcome(0, said, ""));
  EXPECT_EQ(RunCommand({"evaluate-flight-plans", "--strict", report, plans, airports}),
            Outcome(3, said, ""));
  const std::string problem = plans + ":1: error: airport \"KBBB\" is in no airport file\r\n";
  EXPECT_EQ(ReadBytes(report).substr(0, problem.size()), problem);
}

TEST(Cli, RefusesWithStatusTwoBeforeTouchingAnyFile) {
  TempFolder folder;
  const std::string input = folder.Write("fp.txt", "AC#5,a\r\n");
  const std::string missing = folder.Name("missing.txt");
  const std::pair<Names, std::string> cases[] = {
      {{"merge-airports", folder.Name("out.txt"), input, missing},
       "The input file: \"" + missing + "\" does not exist.  Please select a valid input file.\n"},
      {{"sort-airports", input, folder.Name("none/out.txt")},
       "The output file folder: \"" + folder.Name("none") +
           "\" does not exist.  Please enter a valid output file folder location.\n"},
      {{"change-numbers", "--to", "7", input}, "Please enter the aircraft number to be changed.\n"},
      {{"change-numbers", "--from", "5", input}, "Please enter the new aircraft number.\n"},
      {{}, ""},  // an empty text: a usage text, worded by the parser library
      {{"sort-airports", input, folder.Name("out.txt"), "extra"}, ""},
  };
  for (const auto& [args, warning] : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    const auto [status, out, err] = RunCommand(args);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(warning.empty() ? !err.empty() : err == warning) << err;
  }
  EXPECT_EQ(folder.Entries(), Names{"fp.txt"});
  EXPECT_EQ(ReadBytes(input), "AC#5,a\r\n");
}

// Relative names mean the working folder, as for every command-line tool; the messages name the
// files in full.
TEST(Cli, TakesNamesRelativeToTheWorkingFolder) {
  TempFolder folder;
  folder.Write("fp.txt", "AC#2,b\r\nAC#1,a\r\n");
  std::filesystem::create_directory(folder.Path() / "sub");
  const std::filesystem::path working = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  const Outcome sorted = RunCommand({"sort-flight-plans", " fp.txt ", "sub/sorted.txt"});
  const Outcome missing = RunCommand({"merge-airports", "out.txt", "fp.txt", "none.txt"});
  std::filesystem::current_path(working);
  EXPECT_EQ(sorted, Outcome(0, "Flight plans successfully sorted!\n", ""));
  EXPECT_EQ(ReadBytes(folder.Path() / "sub" / "sorted.txt"), "AC#1,a\r\nAC#2,b\r\n");
  EXPECT_EQ(missing, Outcome(2, "",
                             "The input file: \"" + folder.Name("none.txt") +
                                 "\" does not exist.  Please select a valid input file.\n"));
}

TEST(Cli, AnswersHelpAndVersionAndShowsWaitTextsOnlyOnATerminal) {
  const auto [status, help, helpErr] = RunCommand({"--help"});
  EXPECT_EQ(status + helpErr.size(), 0u);
  EXPECT_NE(help.find("convert-world-ai"), std::string::npos);
  EXPECT_EQ(RunCommand({"--version"}), Outcome(0, "fleetwright-cli " FW_VERSION_STRING "\n", ""));

  TempFolder folder;
  EXPECT_EQ(RunCommand({"merge-airports", folder.Name("out.txt"), folder.Write("ap.txt", "ABCD,1")},
                       true),
            Outcome(0, "Airports successfully merged!\n",
                    "Please Wait. Reading input file(s)...\nPlease Wait. Sorting input file(s)...\n"
                    "Please Wait. Writing output file...\n"));
}

}  // namespace
}  // namespace fw
