#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

namespace fw {

// Receives the local files dropped on a box, in the order given, with native separators.
using FilesDropped = std::function<void(const QStringList& names)>;

// The multi-line input box: takes dropped files instead of inserting their addresses as text.
class InputFilesBox final : public QPlainTextEdit {
 public:
  explicit InputFilesBox(QWidget* parent);
  void SetFilesDropped(FilesDropped handler) { m_filesDropped = std::move(handler); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  FilesDropped m_filesDropped;
};

// The one-line output box: a dropped file's name replaces its text.
class OutputFileBox final : public QLineEdit {
 public:
  explicit OutputFileBox(QWidget* parent);
  void SetFilesDropped(FilesDropped handler) { m_filesDropped = std::move(handler); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  FilesDropped m_filesDropped;
};

// The local files a drag carries; empty when it carries none.
QStringList DroppedFiles(const QMimeData* data);

}  // namespace fw
