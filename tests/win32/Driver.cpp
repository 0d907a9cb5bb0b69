#include "Driver.h"

#include <cstdio>
#include <fstream>
#include <thread>

namespace fw::win32::test {
namespace {

// The first window that match accepts among parent's descendants, or among the top-level windows
// when parent is null; nullptr when there is none.
template <typename Match>
HWND FindWindowWhere(HWND parent, const Match& match) {
  for (HWND child = nullptr; (child = FindWindowExW(parent, child, nullptr, nullptr)) != nullptr;) {
    const HWND found = match(child) ? child : parent ? FindWindowWhere(child, match) : nullptr;
    if (found != nullptr)
      return found;
  }
  return nullptr;
}

bool IsOurs(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId() && IsWindowVisible(window);
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// Text for the log: UTF-16 as UTF-8.
std::string Utf8(std::wstring_view text) {
  const std::u8string utf8 = std::filesystem::path(text).u8string();
  return {utf8.begin(), utf8.end()};
}

}  // namespace

bool Driver::Check(bool condition, std::string_view what) {
  (condition ? m_passed : m_failed)++;
  std::printf("%s: %.*s\n", condition ? "ok" : "FAILED", static_cast<int>(what.size()),
              what.data());
  std::fflush(stdout);
  return condition;
}

bool Driver::CheckText(std::wstring_view actual, std::wstring_view expected,
                       std::string_view what) {
  if (Check(actual == expected, what))
    return true;
  std::printf("  expected \"%s\"\n  actual   \"%s\"\n", Utf8(expected).c_str(),
              Utf8(actual).c_str());
  std::fflush(stdout);
  return false;
}

bool Driver::WaitFor(const std::function<bool()>& condition) const {
  const auto end = std::chrono::steady_clock::now() + m_timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end)
      return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

HWND Driver::WaitForWindow(std::wstring_view className, HWND owner, HWND except) const {
  HWND found = nullptr;
  WaitFor([&] {
    found = FindWindowWhere(nullptr, [&](HWND window) {
      return window != except && IsOurs(window) && ClassName(window) == className &&
             (owner == nullptr || GetWindow(window, GW_OWNER) == owner);
    });
    return found != nullptr;
  });
  return found;
}

bool Driver::WaitUntilEnabled(HWND owner) const {
  // WM_NULL returns once the owner's thread takes messages again: the click's handler is done.
  return WaitFor([&] { return IsWindowEnabled(owner) != FALSE; }) &&
         SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_NORMAL,
                             static_cast<UINT>(m_timeout.count()), nullptr) != 0;
}

bool Driver::SaveScreenshot(HWND window, const std::filesystem::path& file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  BITMAPINFOHEADER header{
      sizeof header, rect.right - rect.left, rect.bottom - rect.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD size = static_cast<DWORD>(((header.biWidth * 3 + 3) & ~3) * header.biHeight);
  void* bits = nullptr;
  const HDC windowDc = GetWindowDC(window);
  const HDC memoryDc = CreateCompatibleDC(windowDc);
  const HBITMAP bitmap = CreateDIBSection(windowDc, reinterpret_cast<BITMAPINFO*>(&header),
                                          DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memoryDc, bitmap);
  const bool copied =
      BitBlt(memoryDc, 0, 0, header.biWidth, header.biHeight, windowDc, 0, 0, SRCCOPY) != 0;
  GdiFlush();
  const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
  const BITMAPFILEHEADER fileHeader{0x4D42 /* "BM" */, offset + size, 0, 0, offset};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(memoryDc, previous);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return copied && out.good();
}

HWND Driver::FindControl(HWND parent, int id) {
  return FindWindowWhere(parent, [&](HWND window) { return GetDlgCtrlID(window) == id; });
}

std::wstring Driver::Text(HWND window) {
  wchar_t text[4096] = {};
  return {text, static_cast<std::size_t>(GetWindowTextW(window, text, 4096))};
}

HWND Driver::Focus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

RECT Driver::ClientRect(HWND control, HWND window) {
  RECT rect{};
  GetClientRect(control, &rect);
  MapWindowPoints(control, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Driver::PointAt(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

}  // namespace fw::win32::test
