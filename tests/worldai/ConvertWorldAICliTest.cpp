#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "platform/Result.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fw {
namespace {

TEST(ConvertWorldAICliTest, ConvertsTheListInTheGivenFolder) {
  const test::TempFolder folder;
  folder.Write("Aircraft Codes.txt", "\"AB1\",\"Alpha One\"\r\n");
  folder.Write("Airline Codes.txt", "QQQ,Quebec Air\r\n");
  folder.Write("AddToAircraft.txt", "AC#1,250,\"ai QQQ AB1\"\r\n");

  // The program lies beside the test; found from there, its name is also right when the tests run
  // under an emulator that sees other paths than the build did.
  const test::TempFolder streams;
  std::string command = Quoted(AppPath() + std::filesystem::path(FW_CLI_PATH).filename().string());
  command += " convert-world-ai --folder " + Quoted(folder.Path().string());
  command += " >" + Quoted(streams.Name("out")) + " 2>" + Quoted(streams.Name("err"));
#ifdef _WIN32
  command = Quoted(command);  // cmd.exe drops the outermost pair of quotes
  EXPECT_EQ(std::system(command.c_str()), 0);
  // The standard streams write their line ends in text mode.
  EXPECT_EQ(test::ReadBytes(streams.Path() / "out"), "AC.txt File Successfully Created!\r\n");
#else
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
  EXPECT_EQ(test::ReadBytes(streams.Path() / "out"), "AC.txt File Successfully Created!\n");
#endif
  EXPECT_EQ(test::ReadBytes(streams.Path() / "err"), "");
  EXPECT_EQ(test::ReadBytes(folder.Path() / "AC.txt"), "AC#1,250,\"ai Alpha One Quebec Air\"\r\n");
}

}  // namespace
}  // namespace fw
