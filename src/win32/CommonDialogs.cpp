#include "win32/CommonDialogs.h"

#include <string>

#include "win32/SystemError.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::Critical:
      return MB_ICONERROR;
  }
  return 0;
}

// "Description\0Pattern\0...\0\0", the list form of OPENFILENAMEW.
std::wstring FilterList(const std::vector<FileType>& types) {
  std::wstring list;
  for (const FileType& type : types) {
    list += type.Description;
    list += L'\0';
    list += type.Pattern;
    list += L'\0';
  }
  list += L'\0';
  return list;
}

// Releases a COM interface when it goes out of scope.
template <typename Interface>
struct Released {
  Interface* Pointer = nullptr;
  ~Released() {
    if (Pointer != nullptr)
      Pointer->Release();
  }
};

}  // namespace

void ShowMessageBox(HWND owner, std::wstring_view title, std::wstring_view text, MessageIcon icon) {
  MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(),
              MB_OK | IconStyle(icon));
}

Result<std::wstring> AskOpenFileName(HWND owner, const OpenFileRequest& request) {
  const std::wstring filter = FilterList(request.Types);
  std::wstring extension = request.DefaultExtension;
  if (!extension.empty() && extension.front() == L'.')
    extension.erase(0, 1);
  // Room for the longest name the system takes.
  std::wstring name(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = request.Types.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.TypeIndex);
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = request.Title.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING |
                 (request.FileMustExist ? OFN_FILEMUSTEXIST : 0);
  if (!GetOpenFileNameW(&dialog)) {
    const DWORD error = CommDlgExtendedError();
    if (error != 0)
      return IoError("cannot show the file dialog: error " + std::to_string(error));
    return std::wstring();
  }
  name.resize(name.find(L'\0'));
  // Windows adds the default extension to a typed name without one; Wine's open-file dialog
  // does not. A file of the very name typed is taken as it is.
  const std::size_t last = name.find_last_of(L"\\/.");
  if (!extension.empty() && (last == std::wstring::npos || name[last] != L'.') &&
      GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES)
    name += L'.' + extension;
  return name;
}

Result<std::wstring> AskFolder(HWND owner, std::wstring_view title, std::wstring_view startFolder) {
  Released<IFileOpenDialog> dialog;
  HRESULT result = CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&dialog.Pointer));
  if (FAILED(result))
    return SystemError("cannot show the folder dialog", static_cast<DWORD>(result));
  FILEOPENDIALOGOPTIONS options = 0;
  dialog.Pointer->GetOptions(&options);
  dialog.Pointer->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST |
                             FOS_NOCHANGEDIR);
  dialog.Pointer->SetTitle(std::wstring(title).c_str());
  Released<IShellItem> start;
  if (!startFolder.empty() &&
      SUCCEEDED(SHCreateItemFromParsingName(std::wstring(startFolder).c_str(), nullptr,
                                            IID_PPV_ARGS(&start.Pointer))))
    dialog.Pointer->SetFolder(start.Pointer);
  result = dialog.Pointer->Show(owner);
  if (result == HRESULT_FROM_WIN32(ERROR_CANCELLED))
    return std::wstring();
  Released<IShellItem> item;
  if (SUCCEEDED(result))
    result = dialog.Pointer->GetResult(&item.Pointer);
  PWSTR path = nullptr;
  if (SUCCEEDED(result))
    result = item.Pointer->GetDisplayName(SIGDN_FILESYSPATH, &path);
  if (FAILED(result))
    return SystemError("cannot show the folder dialog", static_cast<DWORD>(result));
  std::wstring folder(path);
  CoTaskMemFree(path);
  return folder;
}

ComApartment::ComApartment() {
  m_initialised =
      SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

ComApartment::~ComApartment() {
  if (m_initialised)
    CoUninitialize();
}

}  // namespace fw::win32
