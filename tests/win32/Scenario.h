#pragma once

#include <filesystem>

#include "Driver.h"

namespace fw::win32::test {

struct ScenarioFolders {
  std::filesystem::path Screenshots;  // where the screenshots go
  std::filesystem::path Work;         // an empty folder for the files a scenario makes
};

// Uses the prototype main window and checks what each step leads to; leaves it open.
void RunPrototypeScenario(Driver& driver, const ScenarioFolders& folders);

}  // namespace fw::win32::test
