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

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef __GLIBC__
  // The program ends after one operation: memory that one step of it gives back is kept for the
  // next rather than returned to the system and asked for again, as each new page costs a fault
  // (on some virtual machines a dear one). Large blocks are mapped on their own all the same.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const fw::CliEnvironment environment{FW_ISATTY(FW_FILENO(stderr)) != 0, fw::AppPath()};
  return fw::RunCli(args, std::cout, std::cerr, environment);
}
