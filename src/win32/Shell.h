#pragma once

#include <string_view>

#include "platform/Result.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {

// Opens the document with the application the desktop associates with its type (verb "open"),
// in workingFolder, its window shown as showCommand says (SW_SHOWMAXIMIZED, ...); owner owns any
// message of the shell. Fails with the shell's reason.
Result<void> OpenDocument(HWND owner, std::wstring_view path, std::wstring_view workingFolder,
                          int showCommand);

}  // namespace fw::win32
