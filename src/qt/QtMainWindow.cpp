#include "qt/QtMainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>

#include "qt/QtControls.h"
#include "qt/QtText.h"

namespace fw {

QtMainWindow::QtMainWindow(const AppContext& app)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_app(app),
      m_logic(*this, WindowServices{m_boxes, m_files, m_pointer}, m_app) {
  setObjectName(QStringLiteral("frmMain"));
  SetDesignSize(this, kMainWidthTwips, kMainHeightTwips);
  m_controls = MakeControls(this, kMainDesign);
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    if (auto* button = qobject_cast<QAbstractButton*>(m_controls[i])) {
      connect(button, &QAbstractButton::clicked, this,
              [this, i] { m_logic.Clicked(static_cast<MainControl>(i)); });
    }
  }
  m_logic.Form_Load();
}

QtDialogWindow* QtMainWindow::OperationDialog() const {
  if (m_dialog == nullptr || m_dialog->Logic().IsClosed())
    return nullptr;
  return m_dialog.data();
}

void QtMainWindow::SetTitle(std::string_view title) {
  setWindowTitle(ToQString(title));
}

void QtMainWindow::Show() {
  show();
}

void QtMainWindow::Hide() {
  hide();
}

frmShowFiles& QtMainWindow::NewOperationDialog() {
  // A dialog that has closed is only waiting to be deleted; every use starts from a new one.
  m_dialog = new QtDialogWindow(this, m_app, m_pointer, [this] { show(); });
  return m_dialog->Logic();
}

void QtMainWindow::ShowOperationDialog() {
  if (m_dialog != nullptr)
    m_dialog->show();
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::quit();
}

}  // namespace fw
