#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Result.h"
#include "shell/Paths.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fw {
namespace {

// The program lies beside the test in the build's one program folder; found from there, its name
// is also right when the tests run under an emulator that sees other paths than the build did.
std::string CliProgram() {
  return AppPath() + std::filesystem::path(FW_CLI_PATH).filename().string();
}

// Runs the real fleetwright-cli on folder (named without a trailing separator); returns the exit
// status and fills out and err with what it printed.
int ConvertInFolder(const test::TempFolder& folder, std::string& out, std::string& err) {
  const test::TempFolder streams;
  std::string command = Quoted(CliProgram());
  command += " convert-world-ai --folder " + Quoted(folder.Path().string());
  command += " >" + Quoted(streams.Name("out")) + " 2>" + Quoted(streams.Name("err"));
#ifdef _WIN32
  command = Quoted(command);  // cmd.exe drops the outermost pair of quotes
#endif
  int status = std::system(command.c_str());
#ifndef _WIN32
  status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  out = test::ReadBytes(streams.Path() / "out");
  err = test::ReadBytes(streams.Path() / "err");
#ifdef _WIN32
  std::erase(out, '\r');  // the standard streams write their line ends in text mode
  std::erase(err, '\r');
#endif
  return status;
}

TEST(ConvertWorldAICliTest, ConvertsInTheGivenFolderAndReportsAFailureOnStandardError) {
  const test::TempFolder folder;
  folder.Write("Aircraft Codes.txt", "\"AB1\",\"Alpha One\"\r\n");
  folder.Write("Airline Codes.txt", "QQQ,Quebec Air\r\n");
  const std::string line = "AC#1,250,\"ai QQQ AB1\"\r\n";
  const std::string converted = "AC#1,250,\"ai Alpha One Quebec Air\"\r\n";
  folder.Write("AddToAircraft.txt", line);
  std::string out;
  std::string err;
  EXPECT_EQ(ConvertInFolder(folder, out, err), 0);
  EXPECT_EQ(out, "AC.txt File Successfully Created!\n");
  EXPECT_EQ(err, "");
  EXPECT_EQ(test::ReadBytes(folder.Path() / "AC.txt"), converted);

  folder.Write("AddToAircraft.txt", line + "AC#2\r\n");
  EXPECT_EQ(ConvertInFolder(folder, out, err), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err,
            "Error in frmMain:cmdChangeWorldAIAircraft_Click(): line 2 of \"AddToAircraft.txt\": "
            "no \"ai \" marker\n");
  EXPECT_EQ(test::ReadBytes(folder.Path() / "AC.txt"), converted);
}

}  // namespace
}  // namespace fw
