#include "win32/Win32Platform.h"

#include "platform/Paths.h"
#include "win32/CommonDialogs.h"
#include "win32/Shell.h"
#include "win32/TextConversion.h"

namespace fw {
namespace {

using win32::WideFromCore;

// The name as the core takes it, or empty after a message box saying why there is none.
std::string ChosenName(HWND owner, const Result<std::wstring>& chosen, std::wstring_view title) {
  if (!chosen) {
    win32::ShowMessageBox(owner, L"Error", WideFromCore(chosen.error().Message),
                          MessageIcon::Critical);
    return {};
  }
  return NameForCore(owner, chosen.value(), title).value_or(std::string());
}

}  // namespace

std::optional<std::string> NameForCore(HWND owner, std::wstring_view name,
                                       std::wstring_view title) {
  Result<std::string> converted = win32::CoreFromWide(name);
  if (converted)
    return std::move(converted.value());
  win32::ShowMessageBox(owner, title, WideFromCore(converted.error().Message),
                        MessageIcon::Exclamation);
  return std::nullopt;
}

void Win32MessageBoxes::Show(const Message& message) {
  win32::ShowMessageBox(m_owner.Handle(), WideFromCore(message.Title), WideFromCore(message.Text),
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
  return ChosenName(m_owner.Handle(), win32::AskOpenFileName(m_owner.Handle(), wide),
                    L"Invalid File Name");
}

std::string Win32FileDialog::AskFolder(const std::string& title, const std::string& startFolder) {
  return ChosenName(
      m_owner.Handle(),
      win32::AskFolder(m_owner.Handle(), WideFromCore(title), WideFromCore(startFolder)),
      L"Invalid Folder Name");
}

void Win32DocumentOpener::Open(const std::string& path) {
  const std::wstring document = WideFromCore(path);
  const std::wstring folder = WideFromCore(GetFolder(path, true));
  (void)win32::OpenDocument(GetDesktopWindow(), document, folder, SW_SHOWMAXIMIZED);
}

}  // namespace fw
