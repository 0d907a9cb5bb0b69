#pragma once

#include <memory>

#include "platform/UiServices.h"
#include "shell/frmMain.h"

namespace fw {

// Creates the main window and shows it; the program then runs on window events until it closes.
std::unique_ptr<frmMain> Main(const UiServices& services);

}  // namespace fw
