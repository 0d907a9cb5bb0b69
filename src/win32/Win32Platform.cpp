#include "win32/Win32Platform.h"

#include "shell/Paths.h"
#include "win32/CommonDialogs.h"
#include "win32/Shell.h"
#include "win32/TextConversion.h"

namespace fw {

using win32::WideFromCore;

void Win32MessageBoxes::Show(const Message& message) {
  win32::ShowMessageBox(GetActiveWindow(), WideFromCore(message.Title), WideFromCore(message.Text),
                        message.Icon);
}

std::string Win32FileDialog::AskFileName(const FileDialogRequest& request) {
  win32::OpenFileRequest wide{WideFromCore(request.Title),
                              {},
                              request.FilterIndex,
                              WideFromCore(request.DefaultExtension),
                              request.FileMustExist};
  for (const FileFilter& filter : request.Filters)
    wide.Types.push_back({WideFromCore(filter.Description), WideFromCore(filter.Pattern)});
  const HWND owner = GetActiveWindow();
  const Result<std::wstring> chosen = win32::AskOpenFileName(owner, wide);
  if (!chosen) {
    win32::ShowMessageBox(owner, L"Error", WideFromCore(chosen.error().Message),
                          MessageIcon::Critical);
    return {};
  }
  const Result<std::string> name = win32::CoreFromWide(chosen.value());
  if (!name) {
    win32::ShowMessageBox(owner, L"Invalid File Name", WideFromCore(name.error().Message),
                          MessageIcon::Exclamation);
    return {};
  }
  return name.value();
}

void Win32DocumentOpener::Open(const std::string& path) {
  const std::wstring document = WideFromCore(path);
  const std::wstring folder = WideFromCore(GetFolder(path, true));
  (void)win32::OpenDocument(GetDesktopWindow(), document, folder, SW_SHOWMAXIMIZED);
}

}  // namespace fw
