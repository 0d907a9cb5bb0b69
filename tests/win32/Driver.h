#pragma once

// Drives the window program from a second thread of its own process, as a user would. Traps it
// keeps from its callers: a click that opens a modal window must be posted (PostClick), as a sent
// one returns only when that window closes; and once a modal window is gone its owner is enabled a
// moment later, before the code behind the click goes on: wait for the state the click leads to.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "win32/Window.h"
#include "win32/WindowsApi.h"

namespace fw::win32::test {

using namespace std::chrono_literals;

class Driver {
 public:
  // Records and prints a check; returns condition.
  bool Check(bool condition, std::string_view what);
  // Checks that actual is expected; prints both when they differ.
  bool CheckText(std::wstring_view actual, std::wstring_view expected, std::string_view what);
  int Passed() const { return m_passed; }
  int Failed() const { return m_failed; }

  // Polls condition until it holds (true) or the timeout passes (false).
  bool WaitFor(const std::function<bool()>& condition) const;
  // A visible window of this process of the class (owned by owner, when given) other than except;
  // nullptr on timeout.
  HWND WaitForWindow(std::wstring_view className, HWND owner = nullptr,
                     HWND except = nullptr) const;
  // Waits until owner takes input again after its modal window closed, and its thread is idle.
  bool WaitUntilEnabled(HWND owner) const;

  // The control of a design table's enum (win32::Window numbers them from kFirstControlId).
  template <typename Control>
  requires std::is_enum_v<Control>
  static HWND FindControl(HWND parent, Control control) {
    return FindControl(parent, kFirstControlId + static_cast<int>(control));
  }
  // The first descendant of parent with the control id; nullptr when none.
  static HWND FindControl(HWND parent, int id);
  static std::wstring Text(HWND window);
  // The control that has the keyboard focus on window's thread.
  static HWND Focus(HWND window);
  // Saves what the window shows now, frame included, as a 24-bit BMP; false when it cannot. It
  // paints nothing itself, so it also shows a window whose thread is busy.
  static bool SaveScreenshot(HWND window, const std::filesystem::path& file);
  // The client rectangle of control in window's client coordinates.
  static RECT ClientRect(HWND control, HWND window);

  static void SetText(HWND control, std::wstring_view text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
  }
  // Clicks a button and returns once its handler has run.
  static void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  static void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }
  // Presses a key in the control that has the focus.
  static void PressKey(HWND window, UINT key) { PostMessageW(Focus(window), WM_KEYDOWN, key, 1); }
  // Moves the mouse pointer to the middle of the window.
  static void PointAt(HWND window);

 private:
  // Waits give up after it.
  const std::chrono::milliseconds m_timeout = 10s;
  int m_passed = 0;
  int m_failed = 0;
};

}  // namespace fw::win32::test
