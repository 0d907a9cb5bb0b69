#include "qt/Main.h"

#include <QApplication>

namespace fw {

std::unique_ptr<QtMainWindow> Main(const AppContext& app) {
  // Only the main window ends the program: a box or file dialog closing while the main window is
  // hidden behind the operation dialog must not.
  QApplication::setQuitOnLastWindowClosed(false);
  auto window = std::make_unique<QtMainWindow>(app);
  window->show();
  return window;
}

}  // namespace fw
