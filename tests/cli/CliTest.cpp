#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
using Names = std::vector<std::string>;

// One in-process run of the command line.
struct Cli {
  explicit Cli(const std::vector<std::string>& args, bool terminal = false) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    status = RunCli(args, outStream, errStream, CliEnvironment{terminal, "/opt/fw/"});
    out = outStream.str();
    err = errStream.str();
  }
  int status;
  std::string out;
  std::string err;
};

struct Subcommand {
  const char* Name;
  bool Merge;
  const char* Input;
  const char* Output;
  const char* Success;
  friend void PrintTo(const Subcommand& command, std::ostream* out) { *out << command.Name; }
};

constexpr const char* kNumbered = "AC#2,b\r\nAC#1,a\nAC#2,b";
constexpr const char* kAirports = "KXYZ,2\r\nABCD,1\rKXYZ,3";

class EachSubcommand : public testing::TestWithParam<Subcommand> {};

TEST_P(EachSubcommand, RunsItsOperationAndPrintsTheSuccessText) {
  const Subcommand& command = GetParam();
  TempFolder folder;
  const std::string input = folder.Write("in.txt", command.Input);
  const std::string output = folder.Name("out.txt");
  const Cli cli(command.Merge ? Names{command.Name, output, input, input}
                              : Names{command.Name, input, output});
  EXPECT_EQ(cli.status, 0);
  EXPECT_EQ(cli.out, std::string(command.Success) + "\n");
  EXPECT_EQ(cli.err, "");
  EXPECT_EQ(ReadBytes(output), command.Output);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, EachSubcommand,
    testing::Values(Subcommand{"sort-flight-plans", false, kNumbered, "AC#1,a\r\nAC#2,b\r\n",
                               "Flight plans successfully sorted!"},
                    Subcommand{"merge-flight-plans", true, kNumbered, "AC#1,a\r\nAC#2,b\r\n",
                               "Flight plans successfully merged!"},
                    Subcommand{"sort-airports", false, kAirports, "ABCD,1\r\nKXYZ,2\r\n",
                               "Airports successfully sorted!"},
                    Subcommand{"merge-airports", true, kAirports, "ABCD,1\r\nKXYZ,2\r\n",
                               "Airports successfully merged!"},
                    Subcommand{"sort-aircraft", false, kNumbered, "AC#1,a\r\nAC#2,b\r\n",
                               "Aircraft successfully sorted!"},
                    Subcommand{"merge-aircraft", true, kNumbered, "AC#1,a\r\nAC#2,b\r\n",
                               "Aircraft successfully merged!"}));

TEST(ChangeNumbersCommand, RenumbersTheFilesWithBackupsUnlessTold) {
  TempFolder folder;
  const std::string first = folder.Write("a.txt", "AC#5,a\r\nAC#3,b");
  const std::string second = folder.Write("b.txt", "AC#5,c");
  const Cli cli({"change-numbers", "--from", "5", "--to", "07", first, second});
  EXPECT_EQ(cli.status, 0);
  EXPECT_EQ(cli.out, "2 aircraft numbers successfully changed!\n");
  EXPECT_EQ(cli.err, "");
  EXPECT_EQ(ReadBytes(first), "AC#3,b\r\nAC#07,a\r\n");
  EXPECT_EQ(ReadBytes(second + ".BAK"), "AC#5,c");

  const std::string third = folder.Write("c.txt", "AC#7,d");
  const Cli noBackup({"change-numbers", "--no-backup", "--from", "7", "--to", "8", third});
  EXPECT_EQ(noBackup.out, "1 aircraft numbers successfully changed!\n");
  EXPECT_EQ(folder.Entries(), (Names{"a.txt", "a.txt.BAK", "b.txt", "b.txt.BAK", "c.txt"}));
}

TEST(Cli, PrintsAFailedOperationsTextLineByLineWithStatusOne) {
  TempFolder folder;
  const std::string input = folder.Write("fp.txt", "AC#1,a\r\nAC#x,b");
  const std::string output = folder.Write("out.txt", "kept\r\n");
  const Cli cli({"sort-flight-plans", input, output});
  EXPECT_EQ(cli.status, 1);
  EXPECT_EQ(cli.out, "");
  EXPECT_EQ(cli.err,
            "Error during sort.\nline 2 of \"" + input + "\": \"AC#x\" has no aircraft number\n");
  EXPECT_EQ(ReadBytes(output), "kept\r\n");
}

TEST(Cli, PrintsTheValidationWarningWithStatusTwoAndRunsNothing) {
  TempFolder folder;
  const std::string input = folder.Write("fp.txt", "AC#5,a\r\n");
  const std::string missing = folder.Name("missing.txt");
  const auto expectRefused = [&](const Names& args, const std::string& warning) {
    const Cli cli(args);
    EXPECT_EQ(cli.status, 2) << args[0];
    EXPECT_EQ(cli.out, "");
    EXPECT_EQ(cli.err, warning + "\n");
  };
  expectRefused(
      {"merge-airports", folder.Name("out.txt"), input, missing},
      "The input file: \"" + missing + "\" does not exist.  Please select a valid input file.");
  expectRefused({"sort-aircraft", input, "out.txt"},
                "The output file folder: \"\" does not exist.  Please enter a valid output file "
                "folder location.");
  expectRefused({"sort-flight-plans", " ", folder.Name("out.txt")}, "Please select an input file.");
  expectRefused({"change-numbers", "--to", "7", input},
                "Please enter the aircraft number to be changed.");
  expectRefused({"change-numbers", "--from", "5", input}, "Please enter the new aircraft number.");
  expectRefused({"change-numbers", "--from", "5", "--to", "2147483648", input},
                "Please enter a valid aircraft number to be changed.");
  EXPECT_EQ(folder.Entries(), Names{"fp.txt"});
  EXPECT_EQ(ReadBytes(input), "AC#5,a\r\n");
}

TEST(Cli, RefusesMalformedCommandLinesWithStatusTwo) {
  TempFolder folder;
  const std::string input = folder.Write("fp.txt", "AC#1,a\r\n");
  for (const Names& args :
       {Names{}, Names{"sort-everything", input, folder.Name("out.txt")},
        Names{"sort-flight-plans", input}, Names{"merge-flight-plans", folder.Name("out.txt")},
        Names{"sort-airports", input, folder.Name("out.txt"), "extra"},
        Names{"change-numbers", "--from", "5", "--to", "7"},
        Names{"change-numbers", "--frm", "5", "--to", "7", input}}) {
    const Cli cli(args);
    EXPECT_EQ(cli.status, 2) << testing::PrintToString(args);
    EXPECT_EQ(cli.out, "");
    EXPECT_NE(cli.err, "");
  }
  EXPECT_EQ(folder.Entries(), Names{"fp.txt"});
}

TEST(Cli, AnswersHelpAndVersion) {
  const Cli help({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  for (const char* name : {"sort-flight-plans", "merge-flight-plans", "sort-airports",
                           "merge-airports", "sort-aircraft", "merge-aircraft", "change-numbers"}) {
    EXPECT_NE(help.out.find(name), std::string::npos) << name;
  }
  const Cli commandHelp({"change-numbers", "--help"});
  EXPECT_EQ(commandHelp.status, 0);
  EXPECT_NE(commandHelp.out.find("--no-backup"), std::string::npos);

  const Cli version({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "fleetwright-cli " FW_VERSION_STRING "\n");
  EXPECT_EQ(version.err, "");
}

TEST(Cli, ShowsWaitTextsOnlyOnATerminal) {
  TempFolder folder;
  const std::string input = folder.Write("ap.txt", "ABCD,1");
  const Cli cli({"merge-airports", folder.Name("out.txt"), input}, true);
  EXPECT_EQ(cli.status, 0);
  EXPECT_EQ(cli.err,
            "Please Wait. Reading input file(s)...\nPlease Wait. Sorting input file(s)...\n"
            "Please Wait. Writing output file...\n");
  EXPECT_EQ(cli.out, "Airports successfully merged!\n");
}

}  // namespace
}  // namespace fw
