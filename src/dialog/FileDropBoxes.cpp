#include "dialog/FileDropBoxes.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace fw {
namespace {

// Accepts a drag of local files; anything else goes to the box's own handling.
template <typename Event>
bool AcceptFiles(Event* event) {
  if (DroppedFiles(event->mimeData()).isEmpty())
    return false;
  event->acceptProposedAction();
  return true;
}

bool DeliverFiles(QDropEvent* event, const FilesDropped& handler) {
  const QStringList names = DroppedFiles(event->mimeData());
  if (names.isEmpty())
    return false;
  event->acceptProposedAction();
  if (handler)
    handler(names);
  return true;
}

}  // namespace

QStringList DroppedFiles(const QMimeData* data) {
  QStringList names;
  if (data == nullptr || !data->hasUrls())
    return names;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile())
      names << QDir::toNativeSeparators(url.toLocalFile());
  }
  return names;
}

InputFilesBox::InputFilesBox(QWidget* parent) : QPlainTextEdit(parent) {}

void InputFilesBox::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptFiles(event))
    QPlainTextEdit::dragEnterEvent(event);
}

void InputFilesBox::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptFiles(event))
    QPlainTextEdit::dragMoveEvent(event);
}

void InputFilesBox::dropEvent(QDropEvent* event) {
  if (!DeliverFiles(event, m_filesDropped))
    QPlainTextEdit::dropEvent(event);
}

OutputFileBox::OutputFileBox(QWidget* parent) : QLineEdit(parent) {}

void OutputFileBox::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptFiles(event))
    QLineEdit::dragEnterEvent(event);
}

void OutputFileBox::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptFiles(event))
    QLineEdit::dragMoveEvent(event);
}

void OutputFileBox::dropEvent(QDropEvent* event) {
  if (!DeliverFiles(event, m_filesDropped))
    QLineEdit::dropEvent(event);
}

}  // namespace fw
