#pragma once

#include <memory>

#include "platform/Result.h"
#include "platform/UiServices.h"
#include "shell/MainView.h"
#include "shell/frmMain.h"
#include "win32/Win32Platform.h"
#include "win32/Window.h"
#include "win32/app/Win32DialogWindow.h"

namespace fw {

// The window class of the main window, by which tests find it.
inline constexpr wchar_t kMainClassName[] = L"FleetwrightMain";

// The main window as a Win32 window: the controls of kMainDesign, with its logic frmMain and the
// boxes and folder dialog it owns. Closing it ends the program's message loop; nothing else does.
class Win32MainWindow final : public MainView, public win32::WindowEvents {
 public:
  // The main window, hidden, its title set; fails when the system cannot create it.
  static Result<std::unique_ptr<Win32MainWindow>> Create(const AppContext& app);

  void SetTitle(std::string_view title) override;
  void Show() override;
  void Hide() override;
  // Ends the program, after saying why, when the system cannot create the dialog's window: the
  // main window has hidden itself by then and the interface has no way to refuse.
  frmShowFiles& NewOperationDialog() override;
  void ShowOperationDialog() override;

  void OnClick(int control) override;
  void OnDestroyed() override;

 private:
  explicit Win32MainWindow(const AppContext& app) : m_app(app) {}

  AppContext m_app;
  std::unique_ptr<win32::Window> m_window;
  std::unique_ptr<Win32WindowServices> m_services;
  std::unique_ptr<frmMain> m_logic;
  // Goes before the window it is owned by.
  std::unique_ptr<Win32DialogWindow> m_dialog;
};

}  // namespace fw
