#pragma once

// The system's own modal dialogs, each owned by a window of the program: the owner is disabled
// while the dialog is open and active again when it closes.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Message.h"
#include "platform/Result.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {

// One choice of the file dialog's type list: "Text (*.txt)" showing the files matching "*.txt".
struct FileType {
  std::wstring Description;
  std::wstring Pattern;
};

// What the open-file dialog is asked for. It never asks whether a file may be overwritten and
// leaves the program's current folder as it was.
struct OpenFileRequest {
  std::wstring Title;
  std::vector<FileType> Types;
  int TypeIndex = 1;              // 1-based choice selected when the dialog opens
  std::wstring DefaultExtension;  // added to a typed name without one, with or without its dot
  bool FileMustExist = false;     // only names of existing files are accepted
};

// Shows a message box with one OK button and returns when the user has closed it.
void ShowMessageBox(HWND owner, std::wstring_view title, std::wstring_view text, MessageIcon icon);

// The full name of the file chosen in the open-file dialog, empty when the user cancelled;
// fails when the dialog cannot be shown.
Result<std::wstring> AskOpenFileName(HWND owner, const OpenFileRequest& request);

// The folder chosen in the folder dialog, opened at startFolder (the system's choice when it is
// empty or missing); empty when the user cancelled. Fails when the dialog cannot be shown. Needs
// COM on the calling thread (ComApartment).
Result<std::wstring> AskFolder(HWND owner, std::wstring_view title, std::wstring_view startFolder);

// Initialises COM for the calling thread as a single-threaded apartment while it lives, as the
// shell's dialogs and ShellExecuteW expect.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool m_initialised = false;
};

}  // namespace fw::win32
