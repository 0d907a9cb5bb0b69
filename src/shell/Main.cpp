#include "shell/Main.h"

namespace fw {

std::unique_ptr<frmMain> Main(const UiServices& services) {
  auto window = std::make_unique<frmMain>(services);
  window->show();
  return window;
}

}  // namespace fw
