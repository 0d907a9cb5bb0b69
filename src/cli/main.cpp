#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "platform/Paths.h"

#ifdef _WIN32
#include <io.h>
#define FW_ISATTY _isatty
#define FW_FILENO _fileno
#else
#include <unistd.h>
#define FW_ISATTY isatty
#define FW_FILENO fileno
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const fw::CliEnvironment environment{FW_ISATTY(FW_FILENO(stderr)) != 0, fw::AppPath()};
  return fw::RunCli(args, std::cout, std::cerr, environment);
}
