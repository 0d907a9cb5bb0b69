#include "win32/TextConversion.h"

#include <string>

#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

std::string Narrow(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, usedDefault);
  if (length <= 0)
    return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, text.data(), size, narrow.data(), length, nullptr,
                      usedDefault);
  return narrow;
}

}  // namespace

std::wstring WideFromCore(std::string_view text) {
  if (text.empty())
    return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string CoreFromWideMarked(std::wstring_view text) {
  // UTF-8 takes no flag but WC_ERR_INVALID_CHARS; without it an unpaired surrogate becomes U+FFFD.
  return GetACP() == CP_UTF8 ? Narrow(CP_UTF8, 0, text, nullptr)
                             : Narrow(CP_ACP, WC_NO_BEST_FIT_CHARS, text, nullptr);
}

Result<std::string> CoreFromWide(std::wstring_view text) {
  std::string narrow;
  bool exact = true;
  if (GetACP() == CP_UTF8) {
    // UTF-8 holds every character; only an unpaired surrogate has no encoding. The code page
    // allows neither best-fit nor default-character reporting.
    narrow = Narrow(CP_UTF8, WC_ERR_INVALID_CHARS, text, nullptr);
    exact = narrow.size() > 0 || text.empty();
  } else {
    BOOL usedDefault = FALSE;
    narrow = Narrow(CP_ACP, WC_NO_BEST_FIT_CHARS, text, &usedDefault);
    exact = !usedDefault && (narrow.size() > 0 || text.empty());
  }
  if (exact)
    return narrow;
  return IoError(Quoted(CoreFromWideMarked(text)) +
                 " cannot be used: the characters shown as ? are missing from " +
                 "the system code page (" + std::to_string(GetACP()) +
                 "), in which this program passes names on; rename it or choose another name");
}

}  // namespace fw::win32
