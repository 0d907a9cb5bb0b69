// The properties of a window's controls, read and set at any time, also while hidden, and the
// pointer over the window.

#include <string>
#include <utility>

#include "win32/Window.h"

namespace fw::win32 {

const Window::Item* Window::Find(int control) const {
  return control >= 0 && static_cast<std::size_t>(control) < m_items.size() &&
                 m_items[control].Handle != nullptr
             ? &m_items[control]
             : nullptr;
}

Window::Item* Window::Find(int control) {
  return const_cast<Item*>(std::as_const(*this).Find(control));
}

HWND Window::Control(int control) const {
  const Item* item = Find(control);
  return item != nullptr ? item->Handle : nullptr;
}

std::wstring Window::Text(int control) const {
  const Item* item = Find(control);
  if (item == nullptr)
    return {};
  const HWND handle = item->Frame != nullptr ? item->Frame : item->Handle;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Window::SetText(int control, std::wstring_view text) {
  if (const Item* item = Find(control))
    SetWindowTextW(item->Frame != nullptr ? item->Frame : item->Handle, std::wstring(text).c_str());
}

void Window::SetTooltip(int control, std::wstring_view tooltip) {
  const Item* item = Find(control);
  if (item == nullptr || m_tooltips == nullptr)
    return;
  // The tooltip control keeps a copy of the text.
  std::wstring text(tooltip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(item->Handle);
  tool.uId = reinterpret_cast<UINT_PTR>(item->Handle);
  tool.lpszText = text.data();
  SendMessageW(m_tooltips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty())
    SendMessageW(m_tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool Window::IsVisible(int control) const {
  const Item* item = Find(control);
  return item != nullptr && (GetWindowLongPtrW(item->Handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(int control, bool visible) {
  if (const Item* item = Find(control))
    ShowWindow(item->Handle, visible ? SW_SHOWNA : SW_HIDE);
}

TwipsRect Window::Place(int control) const {
  const Item* item = Find(control);
  return item != nullptr ? item->Place : TwipsRect{};
}

void Window::SetPlace(int control, const TwipsRect& place) {
  Item* item = Find(control);
  if (item == nullptr)
    return;
  item->Place = place;
  const RECT rect = PixelsOf(place);
  SetWindowPos(item->Handle, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (item->Frame != nullptr)
    SetWindowPos(item->Frame, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::IsTicked(int control) const {
  const Item* item = Find(control);
  return item != nullptr && SendMessageW(item->Handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::SetTicked(int control, bool ticked) {
  if (const Item* item = Find(control))
    SendMessageW(item->Handle, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Window::BringToFront(int control) {
  if (const Item* item = Find(control))
    SetWindowPos(item->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Window::RepaintNow(int control) {
  if (const Item* item = Find(control))
    RedrawWindow(item->Handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Window::SetBusy(bool busy) {
  m_busy = busy;
  RestoreCursor();
}

// Sets the pointer as if the mouse had just moved, where it is over one of this thread's windows.
void Window::RestoreCursor() {
  POINT point{};
  GetCursorPos(&point);
  const HWND under = WindowFromPoint(point);
  if (under == nullptr || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId())
    return;
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

}  // namespace fw::win32
