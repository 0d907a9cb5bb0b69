#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "support/TempFolder.h"

namespace {

using fw::test::ReadBytes;
using fw::test::TempFolder;
using Outcome = std::tuple<int, std::string, std::string>;  // status, output, error output

// One run of the real fleetwright-cli, its standard output and error caught in files.
Outcome RunProgram(const std::vector<std::string>& args) {
  const TempFolder streams;
  std::string command = std::string("'") + FW_CLI_PATH + "'";
  for (const std::string& arg : args)
    command += " '" + arg + "'";
  command += " >'" + streams.Name("out") + "' 2>'" + streams.Name("err") + "'";
  const int result = std::system(command.c_str());
  return {WIFEXITED(result) ? WEXITSTATUS(result) : -1, ReadBytes(streams.Name("out")),
          ReadBytes(streams.Name("err"))};
}

// The real program's exit status and streams; what each command does is checked in process.
TEST(CliEndToEnd, ReportsSuccessFailureAndRefusalByStatusAndStream) {
  TempFolder folder;
  const std::string plans = folder.Write("fp.txt", "AC#5,E,1\r\nAC#12,K,2\r\n");
  const std::string bad = folder.Write("bad.txt", "AC#1,a\r\nAC#,b\r\n");
  const std::string output = folder.Write("out.txt", "kept\r\n");
  const std::string none = folder.Name("none");
  // No wait texts: standard error is not a terminal.
  const std::pair<std::vector<std::string>, Outcome> rows[] = {
      {{"change-numbers", "--from", "5", "--to", "12", plans},
       {0, "1 aircraft numbers successfully changed!\n", ""}},
      {{"merge-aircraft", output, bad},
       {1, "", "Error during merge.\nline 2 of \"" + bad + "\": \"AC#\" has no aircraft number\n"}},
      {{"sort-airports", plans, none + "/out.txt"},
       {2, "",
        "The output file folder: \"" + none +
            "\" does not exist.  Please enter a valid output file folder location.\n"}}};
  for (const auto& [args, outcome] : rows)
    EXPECT_EQ(RunProgram(args), outcome);
  EXPECT_EQ(ReadBytes(plans), "AC#12,E,1\r\nAC#12,K,2\r\n");
  EXPECT_EQ(ReadBytes(output), "kept\r\n");
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{"bad.txt", "fp.txt", "fp.txt.BAK", "out.txt"}));
}

TEST(CliEndToEnd, EvaluatesASetAndExitsWithThreeForErrorsWhenStrict) {
  TempFolder folder;
  const std::string plans = folder.Write(
      "fp.txt",
      "AC#1,EX-A,100%,WEEK,IFR,0/06:00,0/08:00,350,F,1,KBBB,0/10:00,0/12:00,350,F,2,KAAA");
  const std::string airports = folder.Write("ap.txt", "KAAA,1");
  const std::string report = folder.Name("report.txt");
  const std::string said =
      "1 errors and 0 warnings in 2 files.\nReport written to \"" + report + "\".\n";
  EXPECT_EQ(RunProgram({"evaluate-flight-plans", report, plans, airports}), Outcome(0, said, ""));
  EXPECT_EQ(RunProgram({"evaluate-flight-plans", "--strict", report, plans, airports}),
            Outcome(3, said, ""));
  const std::string problem = plans + ":1: error: airport \"KBBB\" is in no airport file\r\n";
  EXPECT_EQ(ReadBytes(report).substr(0, problem.size()), problem);
}

}  // namespace
