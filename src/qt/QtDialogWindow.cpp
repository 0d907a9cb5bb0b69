#include "qt/QtDialogWindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>

#include "qt/FileDropBoxes.h"
#include "qt/QtControls.h"
#include "qt/QtText.h"

namespace fw {
namespace {

// Title bar and frame of a fixed dialog, which a whole-window height includes; the toolkit draws
// its own, so window heights are turned into client heights with this allowance.
constexpr int kWindowFrameTwips = 405;

std::vector<std::string> Names(const QStringList& names) {
  std::vector<std::string> converted;
  for (const QString& name : names)
    converted.push_back(FromQString(name));
  return converted;
}

}  // namespace

QtDialogWindow::QtDialogWindow(QWidget* owner, const AppContext& app, BusyPointer& pointer,
                               std::function<void()> showMainWindow)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_logic(*this, WindowServices{m_boxes, m_files, pointer}, app, std::move(showMainWindow)) {
  setObjectName(QStringLiteral("frmShowFiles"));
  SetDesignSize(this, kDialogWidthTwips, kDialogHeightTwips);
  m_controls = MakeControls(this, kDialogDesign);
  for (const DialogControl button : {DialogControl::cmdBrowseInput, DialogControl::cmdBrowseOutput,
                                     DialogControl::cmdExecute, DialogControl::cmdCancel}) {
    connect(static_cast<QAbstractButton*>(Control(button)), &QAbstractButton::clicked, this,
            [this, button] {
              switch (button) {
                case DialogControl::cmdBrowseInput:
                  return m_logic.cmdBrowseInput_Click();
                case DialogControl::cmdBrowseOutput:
                  return m_logic.cmdBrowseOutput_Click();
                case DialogControl::cmdExecute:
                  return m_logic.cmdExecute_Click();
                default:
                  return m_logic.cmdCancel_Click();
              }
            });
  }
  static_cast<FileDropBox<QPlainTextEdit>*>(Control(DialogControl::txtInputFiles))
      ->SetFilesDropped(
          [this](const QStringList& names) { m_logic.InputFilesDropped(Names(names)); });
  static_cast<FileDropBox<QLineEdit>*>(Control(DialogControl::txtOutputFile))
      ->SetFilesDropped(
          [this](const QStringList& names) { m_logic.OutputFileDropped(Names(names)); });
  m_logic.Form_Load();
}

QWidget* QtDialogWindow::Control(DialogControl control) const {
  return m_controls[static_cast<std::size_t>(control)];
}

void QtDialogWindow::SetTitle(std::string_view title) {
  setWindowTitle(ToQString(title));
}

void QtDialogWindow::SetText(DialogControl control, std::string_view text) {
  QWidget* widget = Control(control);
  if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
    list->setPlainText(ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->setText(ToQString(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQString(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQString(text));
  }
}

std::string QtDialogWindow::Text(DialogControl control) const {
  QWidget* widget = Control(control);
  if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
    // The core reads a list's lines separated by CR LF.
    QString text = list->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQString(text);
  }
  if (auto* box = qobject_cast<QLineEdit*>(widget))
    return FromQString(box->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    return FromQString(button->text());
  if (auto* label = qobject_cast<QLabel*>(widget))
    return FromQString(label->text());
  return {};
}

void QtDialogWindow::SetVisible(DialogControl control, bool visible) {
  Control(control)->setVisible(visible);
}

bool QtDialogWindow::Ticked(DialogControl control) const {
  const auto* box = qobject_cast<QCheckBox*>(Control(control));
  return box != nullptr && box->isChecked();
}

void QtDialogWindow::SetTop(DialogControl control, int topTwips) {
  QWidget* widget = Control(control);
  widget->move(widget->x(), TwipsToPixels(topTwips));
}

void QtDialogWindow::SetHeight(DialogControl control, int heightTwips) {
  QWidget* widget = Control(control);
  widget->resize(widget->width(), TwipsToPixels(heightTwips));
}

void QtDialogWindow::SetWindowHeight(int heightTwips) {
  setFixedSize(width(), TwipsToPixels(heightTwips - kWindowFrameTwips));
}

void QtDialogWindow::BringToFront(DialogControl control) {
  Control(control)->raise();
}

void QtDialogWindow::RepaintNow(DialogControl control) {
  Control(control)->repaint();
}

void QtDialogWindow::Close() {
  hide();
  deleteLater();
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
  m_logic.Form_Close();
  event->accept();
}

}  // namespace fw
