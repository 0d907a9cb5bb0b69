#include "win32/app/Win32DialogWindow.h"

#include <algorithm>
#include <optional>

#include "records/OperationTable.h"
#include "win32/Resources.h"
#include "win32/TextConversion.h"

namespace fw {
namespace {

// Title bar and frame of the dialog, which a whole-window height includes: the same allowance as
// the Qt view's, so both windows have one client area.
constexpr int kWindowFrameTwips = 405;

constexpr int Index(DialogControl control) {
  return static_cast<int>(control);
}

}  // namespace

Result<std::unique_ptr<Win32DialogWindow>> Win32DialogWindow::Create(
    HWND owner, const AppContext& app, std::function<void()> showMainWindow,
    std::function<void()> closed) {
  std::unique_ptr<Win32DialogWindow> dialog(new Win32DialogWindow(std::move(closed)));
  // The main window hides while the dialog is open: the dialog takes its place on the taskbar.
  const win32::WindowSpec spec{.ClassName = kDialogClassName,
                               .ClientWidthTwips = kDialogWidthTwips,
                               .ClientHeightTwips = kDialogHeightTwips,
                               .DialogFrame = true,
                               .AcceptFiles = true,
                               .Owner = owner,
                               .TaskbarButton = true,
                               .IconId = IDI_FLEETWRIGHT};
  Result<std::unique_ptr<win32::Window>> window =
      win32::Window::Create(spec, kDialogDesign, *dialog);
  if (!window)
    return window.error();
  dialog->m_window = std::move(window.value());
  dialog->m_services = std::make_unique<Win32WindowServices>(*dialog->m_window);
  dialog->m_logic = std::make_unique<frmShowFiles>(*dialog, dialog->m_services->Services(), app,
                                                   std::move(showMainWindow));
  dialog->m_logic->Form_Load();
  return dialog;
}

void Win32DialogWindow::SetTitle(std::string_view title) {
  m_window->SetTitle(win32::WideFromCore(title));
}

void Win32DialogWindow::SetText(DialogControl control, std::string_view text) {
  m_window->SetText(Index(control), win32::WideFromCore(text));
}

std::string Win32DialogWindow::Text(DialogControl control) const {
  // The name boxes were checked before the logic reads them (NamesUsable); in a number box a
  // character the code page lacks reads as '?', which validation refuses like any non-digit.
  return win32::CoreFromWideMarked(m_window->Text(Index(control)));
}

void Win32DialogWindow::SetVisible(DialogControl control, bool visible) {
  m_window->SetVisible(Index(control), visible);
}

bool Win32DialogWindow::Ticked(DialogControl control) const {
  return m_window->IsTicked(Index(control));
}

void Win32DialogWindow::SetTop(DialogControl control, int topTwips) {
  TwipsRect place = m_window->Place(Index(control));
  place.Top = topTwips;
  m_window->SetPlace(Index(control), place);
}

void Win32DialogWindow::SetHeight(DialogControl control, int heightTwips) {
  TwipsRect place = m_window->Place(Index(control));
  place.Height = heightTwips;
  m_window->SetPlace(Index(control), place);
}

void Win32DialogWindow::SetWindowHeight(int heightTwips) {
  m_window->SetClientHeight(heightTwips - kWindowFrameTwips);
}

void Win32DialogWindow::BringToFront(DialogControl control) {
  m_window->BringToFront(Index(control));
}

void Win32DialogWindow::RepaintNow(DialogControl control) {
  m_window->RepaintNow(Index(control));
}

void Win32DialogWindow::Close() {
  m_window->Hide();
  if (m_closed)
    m_closed();
}

bool Win32DialogWindow::NamesUsable(std::initializer_list<DialogControl> boxes) const {
  for (const DialogControl box : boxes) {
    const std::wstring text = m_window->Text(Index(box));
    for (std::size_t start = 0; start <= text.size();) {
      const std::size_t end = std::min(text.find(L"\r\n", start), text.size());
      if (!NameForCore(m_window->Handle(), std::wstring_view(text).substr(start, end - start)))
        return false;
      start = end + 2;
    }
  }
  return true;
}

void Win32DialogWindow::OnClick(int control) {
  if (m_logic->IsClosed())
    return;  // a click that waited in the queue while Execute or Cancel closed the dialog
  // A list that a chosen name is added to must be usable as it stands; a sort's one name is
  // replaced, which is how a refused name gets mended.
  const bool addsToList = InfoOf(m_logic->TypeOfOperation()).Input == Inputs::Many;
  switch (static_cast<DialogControl>(control)) {
    case DialogControl::cmdBrowseInput:
      if (!addsToList || NamesUsable({DialogControl::txtInputFiles}))
        m_logic->cmdBrowseInput_Click();
      return;
    case DialogControl::cmdBrowseOutput:
      return m_logic->cmdBrowseOutput_Click();
    case DialogControl::cmdExecute:
      if (NamesUsable({DialogControl::txtInputFiles, DialogControl::txtOutputFile}))
        m_logic->cmdExecute_Click();
      return;
    case DialogControl::cmdCancel:
      return m_logic->cmdCancel_Click();
    default:
      return;  // the check box ticks itself
  }
}

void Win32DialogWindow::OnFilesDropped(int control, const std::vector<std::wstring>& names) {
  if (m_logic->IsClosed())
    return;
  const bool input = control == Index(DialogControl::txtInputFiles);
  if (!input && control != Index(DialogControl::txtOutputFile))
    return;  // only the name boxes take files
  if (input && InfoOf(m_logic->TypeOfOperation()).Input == Inputs::Many &&
      !NamesUsable({DialogControl::txtInputFiles}))
    return;
  std::vector<std::string> converted;
  for (const std::wstring& name : names) {
    std::optional<std::string> core = NameForCore(m_window->Handle(), name);
    if (!core)
      return;
    converted.push_back(std::move(*core));
  }
  if (input)
    m_logic->InputFilesDropped(converted);
  else
    m_logic->OutputFileDropped(converted);
}

bool Win32DialogWindow::OnCloseRequested() {
  // The close control is Cancel; the dialog hides and its owner deletes it.
  m_logic->Form_Close();
  return false;
}

}  // namespace fw
