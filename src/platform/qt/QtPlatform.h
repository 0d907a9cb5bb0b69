#pragma once

#include "platform/BusyPointer.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"

namespace fw {

// Message boxes as QMessageBox, owned by the active window.
class QtMessageBoxes final : public MessageBoxes {
 public:
  void Show(const Message& message) override;
};

// QFileDialog in its open-file form.
class QtFileDialog final : public FileDialog {
 public:
  std::string AskFileName(const FileDialogRequest& request) override;
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
