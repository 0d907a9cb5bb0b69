#include "Driver.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

#include "win32/WindowsApi.h"

namespace fw::win32::test {
namespace {

// The name box of the folder dialog (IFileDialog).
constexpr int kItemDialogName = edt1;

// The first window among parent's descendants (the top-level windows when parent is null) that
// match accepts; nullptr when there is none.
HWND FindWindowWhere(HWND parent, const std::function<bool(HWND)>& match) {
  struct Search {
    const std::function<bool(HWND)>& Match;
    HWND Found = nullptr;
  } search{match};
  const WNDENUMPROC visit = [](HWND window, LPARAM data) -> BOOL {
    auto& state = *reinterpret_cast<Search*>(data);
    if (state.Match(window))
      state.Found = window;
    return state.Found == nullptr;
  };
  if (parent != nullptr)
    EnumChildWindows(parent, visit, reinterpret_cast<LPARAM>(&search));
  else
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

bool IsOurs(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId() && IsWindowVisible(window);
}

// Text for the log: UTF-16 as UTF-8.
std::string Utf8(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  std::string narrow(static_cast<std::size_t>(size) * 3, '\0');
  narrow.resize(static_cast<std::size_t>(WideCharToMultiByte(
      CP_UTF8, 0, text.data(), size, narrow.data(), size * 3, nullptr, nullptr)));
  return narrow;
}

// Prints a visible window of this process, to tell what was on the screen when a check failed.
bool Describe(HWND window) {
  if (IsOurs(window)) {
    // The title as stored: asking the window could hang with its thread.
    wchar_t title[256] = {};
    InternalGetWindowText(window, title, 256);
    std::printf("  window %s \"%s\"%s, owner %s\n", Utf8(Driver::ClassName(window)).c_str(),
                Utf8(title).c_str(), IsWindowEnabled(window) ? "" : " (disabled)",
                Utf8(Driver::ClassName(GetWindow(window, GW_OWNER))).c_str());
  }
  return false;
}

}  // namespace

bool Driver::Check(bool condition, std::string_view what) {
  (condition ? m_passed : m_failed)++;
  std::printf("%s: %.*s\n", condition ? "ok" : "FAILED", static_cast<int>(what.size()),
              what.data());
  if (!condition)
    FindWindowWhere(nullptr, Describe);
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

HWND Driver::FindControl(HWND parent, int id) {
  return FindWindowWhere(parent, [&](HWND window) { return GetDlgCtrlID(window) == id; });
}

std::wstring Driver::Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring Driver::ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
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

void Driver::DropFiles(HWND window, POINT point, const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names)
    list.append(name).push_back(L'\0');
  list.push_back(L'\0');
  const std::size_t size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  // The receiver's DragFinish frees the memory.
  const HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = point;
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
              list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

bool Driver::TypeFileName(HWND dialog, std::wstring_view name) {
  // The open-file dialog's name box is the edit inside cmb13 (under Wine a ComboBoxEx that holds a
  // combo box that holds the edit); the folder dialog has a plain edit.
  const HWND combo = GetDlgItem(dialog, cmb13);
  HWND box = combo == nullptr
                 ? nullptr
                 : FindWindowWhere(combo, [](HWND window) { return ClassName(window) == L"Edit"; });
  if (box == nullptr)
    box = GetDlgItem(dialog, kItemDialogName);
  if (box == nullptr)
    return false;
  SetText(box, name);
  return true;
}

bool Driver::WaitUntilPainted(HWND window) const {
  // The paints are sent to the window's thread and run before this returns.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                             static_cast<UINT>(m_timeout.count()), nullptr) != 0;
}

bool Driver::SaveScreenshot(HWND window, const std::filesystem::path& file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int stride = (width * 3 + 3) & ~3;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  void* bits = nullptr;
  const HDC windowDc = GetWindowDC(window);
  const HDC memoryDc = CreateCompatibleDC(windowDc);
  const HBITMAP bitmap = CreateDIBSection(windowDc, reinterpret_cast<BITMAPINFO*>(&header),
                                          DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(memoryDc, bitmap);
  const bool copied = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != 0;
  GdiFlush();
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(stride * height);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * height);
  SelectObject(memoryDc, previous);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return copied && out.good();
}

}  // namespace fw::win32::test
