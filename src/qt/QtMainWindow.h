#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "qt/QtDialogWindow.h"
#include "qt/QtPlatform.h"
#include "shell/MainView.h"
#include "shell/frmMain.h"

namespace fw {

// The main window in Qt Widgets: the controls of kMainDesign, with its logic frmMain. Closing it
// ends the program; nothing else does.
class QtMainWindow final : public QWidget, public MainView {
 public:
  explicit QtMainWindow(const AppContext& app);

  frmMain& Logic() { return m_logic; }

  // The open operation dialog; null when none is open.
  QtDialogWindow* OperationDialog() const;

  void SetTitle(std::string_view title) override;
  void Show() override;
  void Hide() override;
  frmShowFiles& NewOperationDialog() override;
  void ShowOperationDialog() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppContext m_app;
  QtMessageBoxes m_boxes{this};
  QtFileDialog m_files{this};
  QtBusyPointer m_pointer;
  std::vector<QWidget*> m_controls;
  QPointer<QtDialogWindow> m_dialog;
  frmMain m_logic;
};

}  // namespace fw
