#pragma once

// The Win32 implementations of the platform interfaces through which the windows' logic reaches
// message boxes, the file and folder dialogs, the desktop and the mouse pointer. Texts cross as
// the core's 8-bit text in the system code page (see TextConversion.h).

#include <optional>
#include <string>
#include <string_view>

#include "platform/BusyPointer.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/UiServices.h"
#include "win32/Window.h"

namespace fw {

// MessageBoxW, owned by one window.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(const win32::Window& owner) : m_owner(owner) {}
  void Show(const Message& message) override;

 private:
  const win32::Window& m_owner;
};

// GetOpenFileNameW and the folder dialog, owned by one window. A chosen name that the system
// code page cannot hold is refused with a message box and reported as a cancel; so is a dialog
// that cannot be shown, with its reason.
class Win32FileDialog final : public FileDialog {
 public:
  explicit Win32FileDialog(const win32::Window& owner) : m_owner(owner) {}
  std::string AskFileName(const FileDialogRequest& request) override;
  std::string AskFolder(const std::string& title, const std::string& startFolder) override;

 private:
  const win32::Window& m_owner;
};

// ShellExecuteW "open", shown maximised, in the document's folder; failures are ignored.
class Win32DocumentOpener final : public DocumentOpener {
 public:
  void Open(const std::string& path) override;
};

// The busy pointer over one window.
class Win32BusyPointer final : public BusyPointer {
 public:
  explicit Win32BusyPointer(win32::Window& window) : m_window(window) {}
  void SetBusy() override { m_window.SetBusy(true); }
  void Restore() override { m_window.SetBusy(false); }

 private:
  win32::Window& m_window;
};

// The boxes, file dialogs and busy pointer of one window.
class Win32WindowServices {
 public:
  explicit Win32WindowServices(win32::Window& window)
      : m_boxes(window), m_files(window), m_pointer(window) {}
  WindowServices Services() { return {m_boxes, m_files, m_pointer}; }

 private:
  Win32MessageBoxes m_boxes;
  Win32FileDialog m_files;
  Win32BusyPointer m_pointer;
};

// The name as the core takes it, in the system code page; nothing when the code page cannot hold
// it, after a warning box owned by owner, with title, that says so.
std::optional<std::string> NameForCore(HWND owner, std::wstring_view name,
                                       std::wstring_view title = L"Invalid File Name");

}  // namespace fw
