#include "qt/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "qt/QtText.h"

namespace fw {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// "Text (*.txt)" stays as it is; a description without its patterns gets them appended, since
// Qt reads the patterns from the parentheses.
QString ToQtFilter(const FileFilter& filter) {
  const QString description = ToQString(filter.Description);
  const QString pattern = ToQString(filter.Pattern);
  if (description.contains(QLatin1Char('(')))
    return description;
  return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

}  // namespace

void QtMessageBoxes::Show(const Message& message) {
  QMessageBox box(ToQtIcon(message.Icon), ToQString(message.Title),
                  ToQString(message.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                  QMessageBox::Ok, m_owner);
  box.setTextFormat(Qt::PlainText);
  // A busy pointer belongs to the window at work, not to the box that reports its end.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (busy)
    QApplication::restoreOverrideCursor();
}

std::string QtFileDialog::AskFileName(const FileDialogRequest& request) {
  QFileDialog dialog(m_owner, ToQString(request.Title));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QStringList filters;
  for (const FileFilter& filter : request.Filters)
    filters << ToQtFilter(filter);
  dialog.setNameFilters(filters);
  if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.FilterIndex - 1]);
  QString extension = ToQString(request.DefaultExtension);
  if (extension.startsWith(QLatin1Char('.')))
    extension.remove(0, 1);
  dialog.setDefaultSuffix(extension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return FromQString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

std::string QtFileDialog::AskFolder(const std::string& title, const std::string& startFolder) {
  QFileDialog dialog(m_owner, ToQString(title), ToQString(startFolder));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return FromQString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void QtDocumentOpener::Open(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

void QtBusyPointer::SetBusy() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyPointer::Restore() {
  QApplication::restoreOverrideCursor();
}

}  // namespace fw
