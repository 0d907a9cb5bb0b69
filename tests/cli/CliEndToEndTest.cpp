#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace {

using fw::test::ReadBytes;
using fw::test::TempFolder;
using Names = std::vector<std::string>;

// One run of the real fleetwright-cli, its standard output and error caught in files of a
// folder of their own.
struct ProgramRun {
  explicit ProgramRun(const Names& args) {
    const TempFolder streams;
    std::string command = std::string("'") + FW_CLI_PATH + "'";
    for (const std::string& arg : args)
      command += " '" + arg + "'";
    command += " >'" + streams.Name("out") + "' 2>'" + streams.Name("err") + "'";
    const int result = std::system(command.c_str());
    status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    out = ReadBytes(streams.Name("out"));
    err = ReadBytes(streams.Name("err"));
  }
  int status;
  std::string out;
  std::string err;
};

TEST(CliEndToEnd, MergesFlightPlansIntoOneSortedFileWithoutRepeats) {
  TempFolder folder;
  const std::string first = folder.Write("a.txt", "AC#20,x,1\r\n\r\nAC#3,y,2\nAC#20,x,1\r");
  const std::string second = folder.Write("b.txt", "AC#3,y,2\r\nAC#3,z,3\r\nAC#-1,w,4");
  const ProgramRun run({"merge-flight-plans", folder.Name("out.txt"), first, second});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Flight plans successfully merged!\n");
  EXPECT_EQ(run.err, "");  // no wait texts when standard error is not a terminal
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")),
            "AC#-1,w,4\r\nAC#3,y,2\r\nAC#3,z,3\r\nAC#20,x,1\r\n");
}

TEST(CliEndToEnd, ChangesNumbersInPlaceAfterBackingEachFileUp) {
  TempFolder folder;
  const std::string plans =
      folder.Write("fp.txt", "AC#5,EGLL,1\r\nAC#12,KJFK,2\r\nAC#5,EGLL,1\r\n");
  const std::string aircraft = folder.Write("ac.txt", "AC#5,B737\r\n");
  const ProgramRun run({"change-numbers", "--from", "5", "--to", "12", plans, aircraft});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "3 aircraft numbers successfully changed!\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadBytes(plans), "AC#12,EGLL,1\r\nAC#12,KJFK,2\r\n");
  EXPECT_EQ(ReadBytes(aircraft), "AC#12,B737\r\n");
  EXPECT_EQ(ReadBytes(plans + ".BAK"), "AC#5,EGLL,1\r\nAC#12,KJFK,2\r\nAC#5,EGLL,1\r\n");
  EXPECT_EQ(ReadBytes(aircraft + ".BAK"), "AC#5,B737\r\n");
}

TEST(CliEndToEnd, ReportsFailuresAndRefusalsOnStandardError) {
  TempFolder folder;
  const std::string input = folder.Write("ap.txt", "ABCD,1\r\n");
  const std::string output = folder.Write("out.txt", "kept\r\n");
  const ProgramRun refused({"sort-airports", input, folder.Name("none/out.txt")});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "The output file folder: \"" + folder.Name("none") +
                             "\" does not exist.  Please enter a valid output file folder "
                             "location.\n");

  const std::string bad = folder.Write("fp.txt", "AC#1,a\r\nAC#,b\r\n");
  const ProgramRun failed({"merge-aircraft", output, bad});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err,
            "Error during merge.\nline 2 of \"" + bad + "\": \"AC#\" has no aircraft number\n");
  EXPECT_EQ(ReadBytes(output), "kept\r\n");
  EXPECT_EQ(folder.Entries(), (Names{"ap.txt", "fp.txt", "out.txt"}));
}

}  // namespace
