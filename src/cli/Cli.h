#pragma once

#include <ostream>
#include <span>
#include <string>

namespace fw {

// What the command line cannot say itself.
struct CliEnvironment {
  bool ShowWaitTexts = false;  // standard error is a terminal
  std::string AppFolder;       // the program's folder, ending in a separator
};

// Runs fleetwright-cli with args (without the program name). Returns the exit status: 0 success,
// 1 the operation failed, 2 a validation or usage error.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment);

}  // namespace fw
