#include "win32/Window.h"

#include <algorithm>
#include <cwchar>
#include <deque>
#include <limits>
#include <utility>

#include "win32/SystemError.h"
#include "win32/TextConversion.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

constexpr wchar_t kPanelClass[] = L"FleetwrightPanel";
// Marks the top-level windows of this toolkit for the message loop.
constexpr wchar_t kWindowProperty[] = L"Fleetwright.Window";
// Asks the window to run the tasks given to Post.
constexpr UINT kRunPosted = WM_APP;
// Long tooltips wrap at this width (pixels at 96 DPI).
constexpr int kTooltipWidth = 400;

// The announcement's type: 9.75-point MS Sans Serif, bold italic.
constexpr int kAnnouncementHeightTwips = 195;
constexpr wchar_t kAnnouncementFace[] = L"MS Sans Serif";

// Panels hold controls as their children; what those report goes to the top-level window.
LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_NEXTDLGCTL)
    return SendMessageW(GetAncestor(panel, GA_ROOT), message, wParam, lParam);
  return DefWindowProcW(panel, message, wParam, lParam);
}

bool RegisterClassOnce(const WNDCLASSEXW& windowClass) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  return GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing) ||
         RegisterClassExW(&windowClass) != 0;
}

bool RegisterClasses(HINSTANCE instance, const std::wstring& className, WNDPROC procedure,
                     int iconId) {
  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.lpfnWndProc = PanelProcedure;
  panel.hInstance = instance;
  panel.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  panel.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  panel.lpszClassName = kPanelClass;

  WNDCLASSEXW window = panel;
  window.lpfnWndProc = procedure;
  window.lpszClassName = className.c_str();
  if (iconId != 0) {
    window.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconId));
    window.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  }
  return RegisterClassOnce(panel) && RegisterClassOnce(window);
}

struct ControlClass {
  const wchar_t* Name;
  DWORD Style;
  DWORD ExStyle;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      // A caption too long for its label is cut at the right, not wrapped out of sight.
      return {WC_STATICW, SS_LEFTNOWORDWRAP, 0};
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX, 0};
    case ControlKind::TextBox:
      return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::TextList:
      return {
          WC_EDITW,
          ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL,
          WS_EX_CLIENTEDGE};
    case ControlKind::Frame:
      // The frame's caption and border cover the panel but leave its inside to the panel.
      return {kPanelClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::Cover:
      return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Announcement:
      return {WC_STATICW, SS_CENTER, 0};
  }
  return {WC_STATICW, 0, 0};
}

// Where a control comes in its siblings' focus order: its own tab, or for a frame without one
// the first of its contents; controls that take no focus come last.
int FocusRank(std::span<const ControlDesign> design, std::size_t index) {
  if (design[index].Tab >= 0)
    return design[index].Tab;
  int rank = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < design.size(); ++i)
    if (design[i].Parent == static_cast<int>(index))
      rank = std::min(rank, FocusRank(design, i));
  return rank;
}

// Marks that a handler of the window's events runs while it lives.
class HandlerRunning {
 public:
  explicit HandlerRunning(bool& running) : m_running(running) { m_running = true; }
  ~HandlerRunning() { m_running = false; }
  HandlerRunning(const HandlerRunning&) = delete;
  HandlerRunning& operator=(const HandlerRunning&) = delete;

 private:
  bool& m_running;
};

}  // namespace

// The message font at one DPI, and the announcement's type.
class Window::Fonts {
 public:
  explicit Fonts(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
      font = metrics.lfMessageFont;
    else
      GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    Message = CreateFontIndirectW(&font);
    font.lfHeight = -TwipsToPixels(kAnnouncementHeightTwips, static_cast<int>(dpi));
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
    wcsncpy(font.lfFaceName, kAnnouncementFace, LF_FACESIZE - 1);
    Announcement = CreateFontIndirectW(&font);
  }
  ~Fonts() {
    DeleteObject(Message);
    DeleteObject(Announcement);
  }
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  HFONT Message;
  HFONT Announcement;
};

Window::Window(const WindowSpec& spec, WindowEvents& events)
    : m_events(events),
      m_clientWidthTwips(spec.ClientWidthTwips),
      m_clientHeightTwips(spec.ClientHeightTwips) {}

Result<std::unique_ptr<Window>> Window::Create(const WindowSpec& spec,
                                               std::span<const ControlDesign> design,
                                               WindowEvents& events) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring className(spec.ClassName);
  if (!RegisterClasses(instance, className, &Window::Procedure, spec.IconId))
    return SystemError("cannot register the window class");

  std::unique_ptr<Window> window(new Window(spec, events));
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle =
      (spec.DialogFrame ? WS_EX_DLGMODALFRAME : 0) | (spec.TaskbarButton ? WS_EX_APPWINDOW : 0);
  const std::wstring title(spec.Title);
  // The size follows once the window knows the DPI of the screen it is on.
  if (!CreateWindowExW(exStyle, className.c_str(), title.c_str(), style, CW_USEDEFAULT,
                       CW_USEDEFAULT, 0, 0, spec.Owner, nullptr, instance, window.get()))
    return SystemError("cannot create the window");
  window->m_dpi = GetDpiForWindow(window->m_window);
  window->m_fonts = std::make_unique<Fonts>(window->m_dpi);
  window->m_tooltips = CreateWindowExW(
      0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window->m_window, nullptr, instance, nullptr);
  if (const Result<void> created = window->CreateControls(design); !created)
    return created.error();
  if (spec.AcceptFiles)
    DragAcceptFiles(window->m_window, TRUE);
  window->ApplyLayout();
  window->ResizeClientArea(true);
  return window;
}

Window::~Window() {
  if (m_window != nullptr) {
    // The window goes with this object; the code behind it hears nothing more.
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
  }
}

Result<void> Window::CreateControls(std::span<const ControlDesign> design) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  m_items.resize(design.size());
  // Siblings are made in focus order, which is also their stacking order; a container's controls
  // after the container.
  std::deque<int> parents{-1};
  while (!parents.empty()) {
    const int parent = parents.front();
    parents.pop_front();
    std::vector<std::size_t> siblings;
    for (std::size_t i = 0; i < design.size(); ++i)
      if (design[i].Parent == parent)
        siblings.push_back(i);
    std::stable_sort(siblings.begin(), siblings.end(), [&](std::size_t a, std::size_t b) {
      return FocusRank(design, a) < FocusRank(design, b);
    });
    const HWND parentHandle = parent < 0 ? m_window : m_items[parent].Handle;
    for (const std::size_t index : siblings) {
      const ControlDesign& control = design[index];
      const ControlClass controlClass = ClassOf(control.Kind);
      const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | controlClass.Style |
                          (control.Tab >= 0 ? WS_TABSTOP : 0) | (control.Hidden ? 0 : WS_VISIBLE);
      const bool frame = control.Kind == ControlKind::Frame;
      const std::wstring caption = WideFromCore(control.Caption);
      const int id = kFirstControlId + static_cast<int>(index);
      Item& item = m_items[index];
      item.Place = control.Place;
      item.Announcement = control.Kind == ControlKind::Announcement;
      item.Handle = CreateWindowExW(
          controlClass.ExStyle, controlClass.Name, frame ? L"" : caption.c_str(), style, 0, 0, 0, 0,
          parentHandle, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
      if (item.Handle != nullptr && frame)
        item.Frame = CreateWindowExW(0, WC_BUTTONW, caption.c_str(),
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, 0,
                                     0, item.Handle, nullptr, instance, nullptr);
      if (item.Handle == nullptr || (frame && item.Frame == nullptr))
        return SystemError("cannot create control " + std::string(control.Name));
      if (control.Kind == ControlKind::TextBox || control.Kind == ControlKind::TextList)
        SendMessageW(item.Handle, EM_SETLIMITTEXT, 0, 0);
      if (control.Ticked)
        SendMessageW(item.Handle, BM_SETCHECK, BST_CHECKED, 0);
      SetTooltip(static_cast<int>(index), WideFromCore(control.Tooltip));
      if (frame || control.Kind == ControlKind::Cover)
        parents.push_back(static_cast<int>(index));
    }
  }
  for (std::size_t i = 0; i < design.size(); ++i) {
    if (m_items[i].Handle == nullptr)
      return IoError("cannot create control " + std::string(design[i].Name) +
                     ": its parent is not a frame or cover of the window");
    // A frame lies beneath the controls it holds, made after it.
    if (m_items[i].Frame != nullptr)
      SetWindowPos(m_items[i].Frame, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return {};
}

RECT Window::PixelsOf(const TwipsRect& place) const {
  const int dpi = static_cast<int>(m_dpi);
  const int left = TwipsToPixels(place.Left, dpi);
  const int top = TwipsToPixels(place.Top, dpi);
  return RECT{left, top, left + TwipsToPixels(place.Width, dpi),
              top + TwipsToPixels(place.Height, dpi)};
}

void Window::ApplyLayout() {
  for (const Item& item : m_items) {
    const RECT rect = PixelsOf(item.Place);
    SetWindowPos(item.Handle, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = item.Announcement ? m_fonts->Announcement : m_fonts->Message;
    SendMessageW(item.Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (item.Frame != nullptr) {
      SetWindowPos(item.Frame, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      SendMessageW(item.Frame, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
  }
  if (m_tooltips != nullptr)
    SendMessageW(m_tooltips, TTM_SETMAXTIPWIDTH, 0,
                 MulDiv(kTooltipWidth, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI));
}

void Window::ResizeClientArea(bool centre) {
  RECT frame{0, 0, TwipsToPixels(m_clientWidthTwips, static_cast<int>(m_dpi)),
             TwipsToPixels(m_clientHeightTwips, static_cast<int>(m_dpi))};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)),
                           FALSE, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE)),
                           m_dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE;
  int left = 0;
  int top = 0;
  if (centre) {
    const HWND owner = GetWindow(m_window, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(
        MonitorFromWindow(owner != nullptr ? owner : m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    left = area.left + std::max(0L, (area.right - area.left - width) / 2);
    top = area.top + std::max(0L, (area.bottom - area.top - height) / 2);
    flags &= ~static_cast<UINT>(SWP_NOMOVE);
  }
  SetWindowPos(m_window, nullptr, left, top, width, height, flags);
}

void Window::Show() {
  ShowWindow(m_window, SW_SHOW);
  SetForegroundWindow(m_window);
}

void Window::Hide() {
  ShowWindow(m_window, SW_HIDE);
}

void Window::Destroy() {
  if (m_window != nullptr)
    DestroyWindow(m_window);
}

void Window::SetTitle(std::wstring_view title) {
  SetWindowTextW(m_window, std::wstring(title).c_str());
}

void Window::SetClientHeight(int twips) {
  m_clientHeightTwips = twips;
  ResizeClientArea(!IsWindowVisible(m_window));
}

void Window::Post(std::function<void()> task) {
  if (m_window == nullptr)
    return;
  m_posted.push_back(std::move(task));
  PostMessageW(m_window, kRunPosted, 0, 0);
}

void Window::OnFilesDropped(HDROP drop) {
  POINT point{};
  DragQueryPoint(drop, &point);
  // The innermost visible control under the drop point.
  HWND target = m_window;
  for (;;) {
    const HWND child =
        ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == target)
      break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  int targetControl = -1;
  for (std::size_t i = 0; i < m_items.size(); ++i)
    if (m_items[i].Handle == target || m_items[i].Frame == target)
      targetControl = static_cast<int>(i);
  std::vector<std::wstring> names(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
  for (UINT i = 0; i < names.size(); ++i) {
    names[i].resize(DragQueryFileW(drop, i, nullptr, 0) + 1);
    names[i].resize(DragQueryFileW(drop, i, names[i].data(), static_cast<UINT>(names[i].size())));
  }
  DragFinish(drop);
  if (!m_handling) {
    const HandlerRunning running(m_handling);
    m_events.OnFilesDropped(targetControl, names);
  }
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->m_window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetPropW(window, kWindowProperty, window);
  }
  if (message == WM_NCDESTROY)
    RemovePropW(window, kWindowProperty);
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr)
    return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Enter and Escape send IDOK and IDCANCEL without a control; no button is bound to them.
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED && !m_handling) {
        const HandlerRunning running(m_handling);
        m_events.OnClick(LOWORD(wParam) - kFirstControlId);
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(m_window, focus))
          m_lastFocus = focus;
      } else {
        if (m_lastFocus == nullptr || !IsChild(m_window, m_lastFocus) ||
            !IsWindowVisible(m_lastFocus) || !IsWindowEnabled(m_lastFocus))
          m_lastFocus = GetNextDlgTabItem(m_window, nullptr, FALSE);
        if (m_lastFocus != nullptr)
          SetFocus(m_lastFocus);
      }
      return 0;
    case WM_NEXTDLGCTL: {
      // A multi-line edit passes Tab on this way, as it does in a dialog.
      const HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                            : GetNextDlgTabItem(m_window, GetFocus(), wParam != 0);
      if (next != nullptr)
        SetFocus(next);
      return 0;
    }
    case WM_SETCURSOR:
      if (m_busy && IsWindowEnabled(m_window)) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_DROPFILES:
      OnFilesDropped(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_DPICHANGED: {
      m_dpi = HIWORD(wParam);
      auto previous = std::move(m_fonts);
      m_fonts = std::make_unique<Fonts>(m_dpi);
      ApplyLayout();
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(m_window, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
      ResizeClientArea(false);
      return 0;
    }
    case kRunPosted: {
      // The tasks may delete this object: nothing of it is used after them.
      const std::vector<std::function<void()>> tasks = std::exchange(m_posted, {});
      for (const std::function<void()>& task : tasks)
        task();
      return 0;
    }
    case WM_CLOSE:
      if (!m_handling) {
        const HandlerRunning running(m_handling);
        if (m_events.OnCloseRequested())
          DestroyWindow(m_window);
      }
      return 0;
    case WM_NCDESTROY: {
      SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
      const HWND window = m_window;
      m_window = nullptr;
      m_tooltips = nullptr;
      m_events.OnDestroyed();
      return DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(m_window, message, wParam, lParam);
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && GetPropW(root, kWindowProperty) != nullptr &&
        IsDialogMessageW(root, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace fw::win32
