#pragma once

#include "platform/BusyPointer.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"

class QWidget;

class QWidget;

namespace fw {

// Message boxes as QMessageBox, owned by the window that asks for them.
class QtMessageBoxes final : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* owner) : m_owner(owner) {}
  void Show(const Message& message) override;

 private:
  QWidget* m_owner;
};

// QFileDialog in its open-file and folder forms, owned by the window that asks for it.
class QtFileDialog final : public FileDialog {
 public:
  explicit QtFileDialog(QWidget* owner) : m_owner(owner) {}
  std::string AskFileName(const FileDialogRequest& request) override;
  std::string AskFolder(const std::string& title, const std::string& startFolder) override;

 private:
  QWidget* m_owner;
};

// QDesktopServices::openUrl of a local file.
class QtDocumentOpener final : public DocumentOpener {
 public:
  void Open(const std::string& path) override;
};

// The application's override cursor.
class QtBusyPointer final : public BusyPointer {
 public:
  void SetBusy() override;
  void Restore() override;
};

}  // namespace fw
