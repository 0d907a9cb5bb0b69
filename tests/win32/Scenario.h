#pragma once

#include "Driver.h"  // with <filesystem>, <string> and <vector>

namespace fw::win32::test {

// What the scenario works with besides the program's windows.
struct Setting {
  std::filesystem::path Screenshots;
  std::filesystem::path Work;  // an empty folder for the run's files
  // Reading a file named slow.txt signals GateReached, then waits for GateOpen.
  HANDLE GateReached;
  HANDLE GateOpen;
};

// Uses the two windows as a person would and checks what each step leads to on disk and on the
// screen; leaves the main window open.
void RunScenario(Driver& driver, const Setting& setting);

}  // namespace fw::win32::test
