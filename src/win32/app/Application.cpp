#include "win32/app/Application.h"

#include "win32/CommonDialogs.h"
#include "win32/TextConversion.h"
#include "win32/Window.h"
#include "win32/WindowsApi.h"
#include "win32/app/Win32MainWindow.h"

namespace fw::win32 {

int RunApplication(const AppContext& app) {
  const ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Result<std::unique_ptr<Win32MainWindow>> window = Win32MainWindow::Create(app);
  if (!window) {
    ShowMessageBox(nullptr, L"Error", WideFromCore(window.error().Message), MessageIcon::Critical);
    return 1;
  }
  window.value()->Show();
  return RunMessageLoop();
}

}  // namespace fw::win32
