#pragma once

#include <string_view>

#include "platform/Result.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {

// An Io error "<what>: <the system's text for code>", the text in the system's code page.
Error SystemError(std::string_view what, DWORD code = GetLastError());

}  // namespace fw::win32
