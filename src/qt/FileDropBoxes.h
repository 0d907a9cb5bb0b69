#pragma once

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

namespace fw {

// Receives the local files dropped on a box, in the order given, with native separators.
using FilesDropped = std::function<void(const QStringList& names)>;

// The local files a drag carries; empty when it carries none.
QStringList DroppedFiles(const QMimeData* data);

// A text box that, once given a handler, takes dropped files instead of inserting their
// addresses as text; any other drag goes to the box's own handling.
template <typename Box>
class FileDropBox final : public Box {
 public:
  explicit FileDropBox(QWidget* parent) : Box(parent) {}
  void SetFilesDropped(FilesDropped handler) { m_filesDropped = std::move(handler); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (!AcceptFiles(event))
      Box::dragEnterEvent(event);
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (!AcceptFiles(event))
      Box::dragMoveEvent(event);
  }
  void dropEvent(QDropEvent* event) override {
    if (!AcceptFiles(event)) {
      Box::dropEvent(event);
    } else if (m_filesDropped) {
      m_filesDropped(DroppedFiles(event->mimeData()));
    }
  }

 private:
  bool AcceptFiles(QDropEvent* event) const {
    if (!m_filesDropped || DroppedFiles(event->mimeData()).isEmpty())
      return false;
    event->acceptProposedAction();
    return true;
  }

  FilesDropped m_filesDropped;
};

}  // namespace fw
