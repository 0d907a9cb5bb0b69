#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "platform/Paths.h"
#include "platform/Result.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fw {
namespace {

using Outcome = std::tuple<int, std::string, std::string>;  // status, output, error output

// One run of the real program on a folder. It lies beside the test; found from there, its name is
// also right when the tests run under an emulator that sees other paths than the build did.
Outcome Convert(const test::TempFolder& folder) {
  const test::TempFolder streams;
  std::string command = Quoted(AppPath() + std::filesystem::path(FW_CLI_PATH).filename().string());
  command += " convert-world-ai --folder " + Quoted(folder.Path().string());
  command += " >" + Quoted(streams.Name("out")) + " 2>" + Quoted(streams.Name("err"));
#ifdef _WIN32
  command = Quoted(command);  // cmd.exe drops the outermost pair of quotes
  const int status = std::system(command.c_str());
#else
  const int result = std::system(command.c_str());
  const int status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#endif
  return {status, test::ReadBytes(streams.Path() / "out"), test::ReadBytes(streams.Path() / "err")};
}

// The program's arguments, streams and exit status; what the commands do is checked in process.
TEST(ConvertWorldAICliTest, ConvertsTheListInTheGivenFolderOrFailsWithStatusOne) {
  const test::TempFolder folder;
  const auto [status, out, err] = Convert(folder);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out, "");
  EXPECT_NE(err.find("cannot open"), std::string::npos) << err;

  folder.Write("Aircraft Codes.txt", "\"AB1\",\"Alpha One\"\r\n");
  folder.Write("Airline Codes.txt", "QQQ,Quebec Air\r\n");
  folder.Write("AddToAircraft.txt", "AC#1,250,\"ai QQQ AB1\"\r\n");
#ifdef _WIN32
  const std::string lineEnd = "\r\n";  // the standard streams write in text mode
#else
  const std::string lineEnd = "\n";
#endif
  EXPECT_EQ(Convert(folder), Outcome(0, "AC.txt File Successfully Created!" + lineEnd, ""));
  EXPECT_EQ(test::ReadBytes(folder.Path() / "AC.txt"), "AC#1,250,\"ai Alpha One Quebec Air\"\r\n");
}

}  // namespace
}  // namespace fw
