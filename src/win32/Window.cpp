#include "win32/Window.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "win32/SystemError.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

constexpr wchar_t kPanelClass[] = L"FleetwrightPanel";
// Marks the top-level windows of this toolkit for the message loop.
constexpr wchar_t kWindowProperty[] = L"Fleetwright.Window";
// Long tooltips wrap at this width (pixels at 96 DPI).
constexpr int kTooltipWidth = 400;

bool IsContainer(ControlKind kind) {
  return kind == ControlKind::GroupBox || kind == ControlKind::Panel;
}

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

ControlClass ClassOf(const ControlSpec& spec) {
  const DWORD align = spec.Align == TextAlign::Center ? SS_CENTER : SS_LEFT;
  switch (spec.Kind) {
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Label:
      return {WC_STATICW, align, 0};
    case ControlKind::Edit:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineEdit:
      return {WC_EDITW,
              ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL |
                  WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::GroupBox:
      // The frame control covers the panel but leaves its inside to the panel's background.
      return {kPanelClass, 0, WS_EX_CONTROLPARENT};
    case ControlKind::Panel:
      return {kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  }
  return {WC_STATICW, 0, 0};
}

}  // namespace

// One control: its place and font as the table gave them, and its windows.
struct Window::Item {
  int Id = 0;
  TwipsRect Place{};
  FontStyle Font{};
  HWND Handle = nullptr;
  HWND Frame = nullptr;  // a GroupBox's frame and caption, drawn inside its panel
};

// The message font at one DPI and the styles derived from it.
class Window::Fonts {
 public:
  explicit Fonts(UINT dpi) : m_dpi(dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
      m_message = metrics.lfMessageFont;
    else
      GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof m_message, &m_message);
  }
  ~Fonts() {
    for (const auto& [style, font] : m_fonts)
      DeleteObject(font);
  }
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  HFONT Get(const FontStyle& style) {
    for (const auto& [known, font] : m_fonts)
      if (known == style)
        return font;
    LOGFONTW font = m_message;
    if (style.HeightTwips != 0)
      font.lfHeight = -TwipsToPixels(style.HeightTwips, m_dpi);
    if (style.Bold)
      font.lfWeight = FW_BOLD;
    if (style.Italic)
      font.lfItalic = TRUE;
    const HFONT handle = CreateFontIndirectW(&font);
    m_fonts.emplace_back(style, handle);
    return handle;
  }

 private:
  UINT m_dpi;
  LOGFONTW m_message{};
  std::vector<std::pair<FontStyle, HFONT>> m_fonts;
};

Window::Window(const WindowSpec& spec, WindowEvents& events)
    : m_events(events),
      m_clientWidthTwips(spec.ClientWidthTwips),
      m_clientHeightTwips(spec.ClientHeightTwips) {}

Result<std::unique_ptr<Window>> Window::Create(const WindowSpec& spec,
                                               std::span<const ControlSpec> controls,
                                               WindowEvents& events) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring className(spec.ClassName);
  if (!RegisterClasses(instance, className, &Window::Procedure, spec.IconId))
    return SystemError("cannot register the window class");

  std::unique_ptr<Window> window(new Window(spec, events));
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = spec.DialogFrame ? WS_EX_DLGMODALFRAME : 0;
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
  if (const Result<void> created = window->CreateControls(controls); !created)
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

Result<void> Window::CreateControls(std::span<const ControlSpec> controls) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Siblings are created in focus order, which is also their stacking order; a container's
  // controls after the container itself.
  std::deque<int> containers{0};
  std::size_t created = 0;
  while (!containers.empty()) {
    const int container = containers.front();
    containers.pop_front();
    std::vector<const ControlSpec*> level;
    for (const ControlSpec& spec : controls)
      if (spec.Container == container)
        level.push_back(&spec);
    std::stable_sort(level.begin(), level.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->Tab < b->Tab; });
    const HWND parent = ContainerHandle(container);
    for (const ControlSpec* spec : level) {
      const ControlClass controlClass = ClassOf(*spec);
      const DWORD style =
          WS_CHILD | WS_CLIPSIBLINGS | controlClass.Style | (spec->Visible ? WS_VISIBLE : 0);
      const std::wstring caption(spec->Kind == ControlKind::GroupBox ? std::wstring_view{}
                                                                     : spec->Caption);
      Item item{.Id = spec->Id, .Place = spec->Place, .Font = spec->Font};
      item.Handle = CreateWindowExW(
          controlClass.ExStyle, controlClass.Name, caption.c_str(), style, 0, 0, 0, 0, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec->Id)), instance, nullptr);
      if (item.Handle == nullptr)
        return SystemError("cannot create control " + std::to_string(spec->Id));
      if (spec->Kind == ControlKind::GroupBox) {
        const std::wstring frameCaption(spec->Caption);
        item.Frame = CreateWindowExW(0, WC_BUTTONW, frameCaption.c_str(),
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, 0,
                                     0, item.Handle, nullptr, instance, nullptr);
        if (item.Frame == nullptr)
          return SystemError("cannot create control " + std::to_string(spec->Id));
      }
      if (spec->Kind == ControlKind::Edit || spec->Kind == ControlKind::MultiLineEdit)
        SendMessageW(item.Handle, EM_SETLIMITTEXT, 0, 0);
      if (spec->Kind == ControlKind::CheckBox && spec->Checked)
        SendMessageW(item.Handle, BM_SETCHECK, BST_CHECKED, 0);
      m_items.push_back(std::move(item));
      SetTooltip(spec->Id, spec->Tooltip);
      if (IsContainer(spec->Kind))
        containers.push_back(spec->Id);
      ++created;
    }
  }
  if (created != controls.size())
    return IoError("cannot create the window: a control names a container it is not in");
  // A frame lies beneath the controls it holds.
  for (const Item& item : m_items)
    if (item.Frame != nullptr)
      SetWindowPos(item.Frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return {};
}

const Window::Item* Window::Find(int id) const {
  for (const Item& item : m_items)
    if (item.Id == id)
      return &item;
  return nullptr;
}

Window::Item* Window::Find(int id) {
  return const_cast<Item*>(std::as_const(*this).Find(id));
}

HWND Window::ContainerHandle(int containerId) const {
  const Item* container = Find(containerId);
  return container != nullptr ? container->Handle : m_window;
}

HWND Window::Control(int id) const {
  const Item* item = Find(id);
  return item != nullptr ? item->Handle : nullptr;
}

void Window::ApplyLayout() {
  for (const Item& item : m_items) {
    const RECT rect = TwipsToPixels(item.Place, m_dpi);
    SetWindowPos(item.Handle, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = m_fonts->Get(item.Font);
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
  RECT frame{0, 0, TwipsToPixels(m_clientWidthTwips, m_dpi),
             TwipsToPixels(m_clientHeightTwips, m_dpi)};
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
  ResizeClientArea(false);
}

std::wstring Window::Text(int id) const {
  const Item* item = Find(id);
  if (item == nullptr)
    return {};
  const HWND handle = item->Frame != nullptr ? item->Frame : item->Handle;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Window::SetText(int id, std::wstring_view text) {
  if (const Item* item = Find(id))
    SetWindowTextW(item->Frame != nullptr ? item->Frame : item->Handle, std::wstring(text).c_str());
}

void Window::SetTooltip(int id, std::wstring_view tooltip) {
  const Item* item = Find(id);
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

bool Window::IsVisible(int id) const {
  const Item* item = Find(id);
  return item != nullptr && (GetWindowLongPtrW(item->Handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(int id, bool visible) {
  if (const Item* item = Find(id))
    ShowWindow(item->Handle, visible ? SW_SHOWNA : SW_HIDE);
}

TwipsRect Window::Place(int id) const {
  const Item* item = Find(id);
  return item != nullptr ? item->Place : TwipsRect{};
}

void Window::SetPlace(int id, const TwipsRect& place) {
  Item* item = Find(id);
  if (item == nullptr)
    return;
  item->Place = place;
  const RECT rect = TwipsToPixels(place, m_dpi);
  SetWindowPos(item->Handle, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (item->Frame != nullptr)
    SetWindowPos(item->Frame, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::IsChecked(int id) const {
  const Item* item = Find(id);
  return item != nullptr && SendMessageW(item->Handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::SetChecked(int id, bool checked) {
  if (const Item* item = Find(id))
    SendMessageW(item->Handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Window::BringToFront(int id) {
  if (const Item* item = Find(id))
    SetWindowPos(item->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Window::RepaintNow(int id) {
  if (const Item* item = Find(id))
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
  int targetId = 0;
  for (const Item& item : m_items)
    if (item.Handle == target || item.Frame == target)
      targetId = item.Id;
  std::vector<std::wstring> names(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
  for (UINT i = 0; i < names.size(); ++i) {
    names[i].resize(DragQueryFileW(drop, i, nullptr, 0) + 1);
    names[i].resize(DragQueryFileW(drop, i, names[i].data(), static_cast<UINT>(names[i].size())));
  }
  DragFinish(drop);
  m_events.OnFilesDropped(targetId, names);
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
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED)
        m_events.OnClick(LOWORD(wParam));
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
      if (m_busy) {
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
    case WM_CLOSE:
      if (m_events.OnCloseRequested())
        DestroyWindow(m_window);
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
