#include "win32/app/Win32MainWindow.h"

#include "win32/CommonDialogs.h"
#include "win32/Resources.h"
#include "win32/TextConversion.h"

namespace fw {

Result<std::unique_ptr<Win32MainWindow>> Win32MainWindow::Create(const AppContext& app) {
  std::unique_ptr<Win32MainWindow> main(new Win32MainWindow(app));
  const win32::WindowSpec spec{.ClassName = kMainClassName,
                               .ClientWidthTwips = kMainWidthTwips,
                               .ClientHeightTwips = kMainHeightTwips,
                               .IconId = IDI_FLEETWRIGHT};
  Result<std::unique_ptr<win32::Window>> window = win32::Window::Create(spec, kMainDesign, *main);
  if (!window)
    return window.error();
  main->m_window = std::move(window.value());
  main->m_services = std::make_unique<Win32WindowServices>(*main->m_window);
  main->m_logic = std::make_unique<frmMain>(*main, main->m_services->Services(), main->m_app);
  main->m_logic->Form_Load();
  return main;
}

void Win32MainWindow::SetTitle(std::string_view title) {
  m_window->SetTitle(win32::WideFromCore(title));
}

void Win32MainWindow::Show() {
  m_window->Show();
}

void Win32MainWindow::Hide() {
  m_window->Hide();
}

frmShowFiles& Win32MainWindow::NewOperationDialog() {
  // A dialog closed a moment ago may still wait to be deleted; every use starts from a new one.
  m_dialog.reset();
  Result<std::unique_ptr<Win32DialogWindow>> dialog = Win32DialogWindow::Create(
      m_window->Handle(), m_app, [this] { Show(); },
      [this] {
        // Called from inside the dialog's own handlers: it is deleted once they have returned.
        m_window->Post([this, closed = m_dialog.get()] {
          if (m_dialog.get() == closed)
            m_dialog.reset();
        });
      });
  if (!dialog) {
    win32::ShowMessageBox(nullptr, L"Error", win32::WideFromCore(dialog.error().Message),
                          MessageIcon::Critical);
    ExitProcess(1);
  }
  m_dialog = std::move(dialog.value());
  return m_dialog->Logic();
}

void Win32MainWindow::ShowOperationDialog() {
  if (m_dialog != nullptr)
    m_dialog->Show();
}

void Win32MainWindow::OnClick(int control) {
  m_logic->Clicked(static_cast<MainControl>(control));
}

void Win32MainWindow::OnDestroyed() {
  PostQuitMessage(0);
}

}  // namespace fw
