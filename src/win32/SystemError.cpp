#include "win32/SystemError.h"

#include <string>

namespace fw::win32 {

Error SystemError(std::string_view what, DWORD code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason(text != nullptr ? text : "", length);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.'))
    reason.pop_back();
  if (reason.empty())
    reason = "error " + std::to_string(code);
  std::string message(what);
  message += ": ";
  message += reason;
  return IoError(std::move(message));
}

}  // namespace fw::win32
