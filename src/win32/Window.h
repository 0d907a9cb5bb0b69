#pragma once

// A fixed-size top-level window whose controls come from a design table (platform/
// WindowDesign.h). The window converts twips with its own DPI and follows DPI changes (the
// program is per-monitor DPI aware), gives every control the system's message font, keeps the
// table's keyboard focus order and shows each control's tooltip. A control is named by its index
// in the table; its Windows control id is kFirstControlId plus that index. Texts are UTF-16; the
// table's own texts are read in the system code page. Everything runs on the thread that created
// the window.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"
#include "platform/WindowDesign.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {

// The Windows control id of the design table's first control. Ids 1 and 2 stay free: the
// keyboard's Enter and Escape send them to the window.
inline constexpr int kFirstControlId = 100;

// What the window tells the code behind it. Handlers run on the window's thread, one at a time:
// an event that comes while one runs (a click that waited in the queue during an operation, and
// is taken from it by a message box's loop) is dropped. A handler must not delete its Window
// (see Window::Post).
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;

  // A button or check box was clicked (by mouse, keyboard or BM_CLICK).
  virtual void OnClick(int control) = 0;

  // Files were dropped on the control (-1: on no control), names in the order given.
  virtual void OnFilesDropped(int control, const std::vector<std::wstring>& names) {
    (void)control;
    (void)names;
  }

  // The user asked to close the window (close control, Alt+F4); true lets it be destroyed.
  virtual bool OnCloseRequested() { return true; }

  // The window is gone; no method of the Window may be called from here on but its destructor.
  virtual void OnDestroyed() {}
};

struct WindowSpec {
  std::wstring_view ClassName{};  // registered on first use; lets tests find the window
  std::wstring_view Title{};
  int ClientWidthTwips = 0;
  int ClientHeightTwips = 0;
  bool DialogFrame = false;    // a dialog's frame rather than a single-line border
  bool AcceptFiles = false;    // files may be dropped on it (OnFilesDropped)
  HWND Owner = nullptr;        // the window stays above its owner and closes with it
  bool TaskbarButton = false;  // on the taskbar even when owned, for an owner that hides itself
  int IconId = 0;              // the icon resource of the title bar, 0 for the system's
};

class Window {
 public:
  // The window, hidden and centred on its owner's screen, with its controls; fails with the
  // system's reason when the window or a control cannot be created.
  static Result<std::unique_ptr<Window>> Create(const WindowSpec& spec,
                                                std::span<const ControlDesign> design,
                                                WindowEvents& events);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The window's handle; nullptr once the window is destroyed.
  HWND Handle() const { return m_window; }
  // The control's handle; nullptr for an index outside the table.
  HWND Control(int control) const;
  // Dots per inch the layout is converted with.
  UINT Dpi() const { return m_dpi; }

  // Shows and activates the window; the first control in the focus order gets the focus.
  void Show();
  // Hides the window; it keeps its state.
  void Hide();
  // Destroys the window now (OnDestroyed runs before this returns).
  void Destroy();

  void SetTitle(std::wstring_view title);
  // The client area's height in twips; the width stays, and so does the top-left corner once the
  // window has been shown (a hidden window is centred again).
  void SetClientHeight(int twips);

  // A caption, or a text box's text; a text list's lines are separated by CR LF.
  std::wstring Text(int control) const;
  void SetText(int control, std::wstring_view text);
  void SetTooltip(int control, std::wstring_view tooltip);
  bool IsVisible(int control) const;
  void SetVisible(int control, bool visible);
  TwipsRect Place(int control) const;
  void SetPlace(int control, const TwipsRect& place);
  bool IsTicked(int control) const;
  void SetTicked(int control, bool ticked);

  // Puts the control above its overlapping siblings from now on.
  void BringToFront(int control);
  // Paints the control and what it holds before returning, without the message loop running.
  void RepaintNow(int control);
  // Shows the busy pointer over the window until SetBusy(false); for work on this thread. A modal
  // window of its own shows the default pointer over it meanwhile.
  void SetBusy(bool busy);
  // Runs task from the message loop once the handlers running now have returned: for work that
  // must not happen inside one of them, such as deleting a window whose handler is still running.
  // Nothing runs once the window is destroyed.
  void Post(std::function<void()> task);

 private:
  // One control: its place, and its windows.
  struct Item {
    TwipsRect Place{};
    bool Announcement = false;
    HWND Handle = nullptr;
    HWND Frame = nullptr;  // a frame's border and caption, drawn inside its panel
  };
  class Fonts;

  Window(const WindowSpec& spec, WindowEvents& events);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  Result<void> CreateControls(std::span<const ControlDesign> design);
  const Item* Find(int control) const;
  Item* Find(int control);
  RECT PixelsOf(const TwipsRect& place) const;
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
  bool m_handling = false;  // one of m_events' handlers runs
  std::vector<Item> m_items;
  std::vector<std::function<void()>> m_posted;
  std::unique_ptr<Fonts> m_fonts;
};

// Runs the thread's message loop until WM_QUIT, with the keyboard handling of dialogs (Tab,
// arrow keys) for the windows of this toolkit; returns the code given to PostQuitMessage.
int RunMessageLoop();

}  // namespace fw::win32
