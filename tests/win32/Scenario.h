#pragma once

#include <filesystem>

#include "Driver.h"

namespace fw::win32::test {

// Uses the prototype main window and checks what each step leads to, saving screenshots in
// screenshots and making files in work, an empty folder; leaves the window open.
void RunPrototypeScenario(Driver& driver, const std::filesystem::path& screenshots,
                          const std::filesystem::path& work);

}  // namespace fw::win32::test
