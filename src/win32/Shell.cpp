#include "win32/Shell.h"

#include <string>

#include "win32/SystemError.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

// ShellExecuteW reports failures as values up to 32; the system's code for each.
DWORD ShellErrorCode(INT_PTR result) {
  switch (result) {
    case 0:
      return ERROR_OUTOFMEMORY;
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
      return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return ERROR_DDE_FAIL;
    case SE_ERR_SHARE:
      return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND:
      return ERROR_DLL_NOT_FOUND;
    default:
      return static_cast<DWORD>(result);  // file or path not found, access denied, bad format
  }
}

}  // namespace

Result<void> OpenDocument(HWND owner, std::wstring_view path, std::wstring_view workingFolder,
                          int showCommand) {
  const std::wstring file(path);
  const std::wstring folder(workingFolder);
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      owner, L"open", file.c_str(), L"", folder.empty() ? nullptr : folder.c_str(), showCommand));
  if (result <= 32)
    return SystemError("cannot open the document", ShellErrorCode(result));
  return {};
}

}  // namespace fw::win32
