#pragma once

#include <string>
#include <vector>

namespace fw {

// One choice of a file dialog's type list: "Text (*.txt)" showing the files that match "*.txt".
struct FileFilter {
  std::string Description;
  std::string Pattern;
};

// What a file dialog is asked for; it returns one full file name.
struct FileDialogRequest {
  std::string Title;
  std::vector<FileFilter> Filters;
  int FilterIndex = 1;           // 1-based choice selected when the dialog opens
  std::string DefaultExtension;  // added to a typed name without one, e.g. ".txt"
  bool FileMustExist = false;    // only names of existing files are accepted
};

// The platform's file and folder dialogs.
class FileDialog {
 public:
  virtual ~FileDialog() = default;

  // Shows a modal open-file dialog; returns the chosen file's full name, empty when the user
  // cancelled. Never asks whether an existing file may be overwritten.
  virtual std::string AskFileName(const FileDialogRequest& request) = 0;

  // Shows a modal folder dialog with title, opened at startFolder (the platform's choice when it
  // is empty); returns the chosen folder's full name, empty when the user cancelled.
  virtual std::string AskFolder(const std::string& title, const std::string& startFolder) = 0;
};

}  // namespace fw
