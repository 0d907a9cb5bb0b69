#pragma once

#include "platform/UiServices.h"

namespace fw::win32 {

// Runs the window program on the calling thread until its main window is closed; returns the
// process's exit code (1 when the main window cannot be created, after saying why).
int RunApplication(const AppContext& app);

}  // namespace fw::win32
