#pragma once

#include <memory>

#include "platform/UiServices.h"
#include "qt/QtMainWindow.h"

namespace fw {

// Creates the main window and shows it; the program then runs on window events until it closes.
std::unique_ptr<QtMainWindow> Main(const AppContext& app);

}  // namespace fw
