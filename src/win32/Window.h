#pragma once

// A fixed-size top-level window whose controls come from a table in twips. The window converts
// twips with its own DPI and follows DPI changes (the program is per-monitor DPI aware), gives
// every control the system's message font, keeps the keyboard focus order of the table and
// shows each control's tooltip. Everything runs on the thread that created the window.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"
#include "win32/Controls.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {

// What the window tells the code behind it. Handlers run on the window's thread, one at a time;
// a handler that shows a modal window may see further events before it returns.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;

  // A button or check box was clicked (by mouse, keyboard or BM_CLICK).
  virtual void OnClick(int controlId) = 0;

  // Files were dropped on the control controlId (0: on no control), names in the order given.
  virtual void OnFilesDropped(int controlId, const std::vector<std::wstring>& names) {
    (void)controlId;
    (void)names;
  }

  // The user asked to close the window (close control, Alt+F4); true lets it be destroyed.
  virtual bool OnCloseRequested() { return true; }

  // The window is gone; no method of the Window may be called from here on but its destructor.
  virtual void OnDestroyed() {}
};

struct WindowSpec {
  std::wstring_view ClassName;  // registered on first use; lets tests find the window
  std::wstring_view Title;
  int ClientWidthTwips = 0;
  int ClientHeightTwips = 0;
  bool DialogFrame = false;  // a dialog's frame rather than a single-line border
  bool AcceptFiles = false;  // files may be dropped on it (OnFilesDropped)
  HWND Owner = nullptr;      // the window stays above its owner and closes with it
  int IconId = 0;            // the icon resource of the title bar, 0 for the system's
};

class Window {
 public:
  // The window, hidden and centred on its owner's screen, with its controls; fails with the
  // system's reason when the window or a control cannot be created.
  static Result<std::unique_ptr<Window>> Create(const WindowSpec& spec,
                                                std::span<const ControlSpec> controls,
                                                WindowEvents& events);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The window's handle; nullptr once the window is destroyed.
  HWND Handle() const { return m_window; }
  // The control's handle; nullptr for an id not in the table.
  HWND Control(int id) const;
  // Dots per inch the layout is converted with.
  UINT Dpi() const { return m_dpi; }

  // Shows and activates the window; the first control in the focus order gets the focus.
  void Show();
  // Hides the window; it keeps its state.
  void Hide();
  // Destroys the window now (OnDestroyed runs before this returns).
  void Destroy();

  void SetTitle(std::wstring_view title);
  // The client area's height in twips; the width and the top-left corner stay.
  void SetClientHeight(int twips);

  std::wstring Text(int id) const;
  void SetText(int id, std::wstring_view text);
  void SetTooltip(int id, std::wstring_view tooltip);
  bool IsVisible(int id) const;
  void SetVisible(int id, bool visible);
  TwipsRect Place(int id) const;
  void SetPlace(int id, const TwipsRect& place);
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);

  // Puts the control above its overlapping siblings from now on.
  void BringToFront(int id);
  // Paints the control and what it holds before returning, without the message loop running.
  void RepaintNow(int id);
  // Shows the busy pointer over the window until SetBusy(false); for work on this thread.
  void SetBusy(bool busy);

 private:
  struct Item;
  class Fonts;

  Window(const WindowSpec& spec, WindowEvents& events);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  Result<void> CreateControls(std::span<const ControlSpec> controls);
  const Item* Find(int id) const;
  Item* Find(int id);
  HWND ContainerHandle(int containerId) const;
  void ApplyLayout();
  void ResizeClientArea(bool centre);
  void OnFilesDropped(HDROP drop);
  void RestoreCursor();

  WindowEvents& m_events;
  HWND m_window = nullptr;
  HWND m_tooltips = nullptr;
  HWND m_lastFocus = nullptr;
  UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
  int m_clientWidthTwips = 0;
  int m_clientHeightTwips = 0;
  bool m_busy = false;
  std::vector<Item> m_items;
  std::unique_ptr<Fonts> m_fonts;
};

// Runs the thread's message loop until WM_QUIT, with the keyboard handling of dialogs (Tab,
// arrow keys) for the windows of this toolkit; returns the code given to PostQuitMessage.
int RunMessageLoop();

}  // namespace fw::win32
