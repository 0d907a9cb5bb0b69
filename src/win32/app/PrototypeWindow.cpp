#include "win32/app/PrototypeWindow.h"

#include "win32/Resources.h"
#include "win32/TextConversion.h"

namespace fw::win32 {
namespace {

using enum PrototypeControl;

constexpr int Index(PrototypeControl control) {
  return static_cast<int>(control);
}

std::wstring Title() {
  return L"Fleetwright v" + std::to_wstring(FW_VERSION_MAJOR) + L"." +
         std::to_wstring(FW_VERSION_MINOR);
}

}  // namespace

Result<std::unique_ptr<PrototypeWindow>> PrototypeWindow::Create() {
  std::unique_ptr<PrototypeWindow> prototype(new PrototypeWindow());
  const std::wstring title = Title();
  const WindowSpec spec{.ClassName = kPrototypeClass,
                        .Title = title,
                        .ClientWidthTwips = kPrototypeWidthTwips,
                        .ClientHeightTwips = kPrototypeHeightTwips,
                        .AcceptFiles = true,
                        .IconId = IDI_FLEETWRIGHT};
  Result<std::unique_ptr<Window>> window = Window::Create(spec, kPrototypeDesign, *prototype);
  if (!window)
    return window.error();
  prototype->m_window = std::move(window.value());
  prototype->m_boxes = std::make_unique<Win32MessageBoxes>(*prototype->m_window);
  prototype->m_files = std::make_unique<Win32FileDialog>(*prototype->m_window);
  prototype->m_window->BringToFront(Index(fraWait));
  return prototype;
}

void PrototypeWindow::OnClick(int control) {
  switch (static_cast<PrototypeControl>(control)) {
    case cmdShowMessage:
      m_boxes->Show({MessageIcon::Information, "Fleetwright",
                     "Fleetwright runs here as a native Windows program."});
      break;
    case cmdOpenFile:
      OpenFile();
      break;
    case cmdChooseFolder:
      ChooseFolder();
      break;
    case cmdWait:
      Wait();
      break;
    default:
      break;
  }
}

void PrototypeWindow::OpenFile() {
  const FileDialogRequest request{"Select A Text File",
                                  {{"Text (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}},
                                  1,
                                  ".txt",
                                  m_window->IsTicked(Index(chkMustExist))};
  const std::string name = m_files->AskFileName(request);
  if (!name.empty())
    m_window->SetText(Index(txtName), WideFromCore(name));
}

void PrototypeWindow::ChooseFolder() {
  const std::string folder = m_files->AskFolder("Select A Folder", {});
  if (!folder.empty())
    m_window->SetText(Index(txtName), WideFromCore(folder));
}

// Stands in for an operation: the real dialog runs its work on this thread the same way.
// The pointer turns busy last, once the frame is painted: tests take that as the sign.
void PrototypeWindow::Wait() {
  m_window->SetVisible(Index(fraWait), true);
  m_window->RepaintNow(Index(fraWait));
  m_window->SetBusy(true);
  Sleep(500);
  m_window->SetBusy(false);
  m_window->SetVisible(Index(fraWait), false);
}

// A file dropped on the name box becomes the chosen name; files dropped elsewhere are listed.
void PrototypeWindow::OnFilesDropped(int control, const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) {
    const Result<std::string> coreName = CoreFromWide(name);
    if (!coreName) {
      m_boxes->Show({MessageIcon::Exclamation, "Invalid File Name", coreName.error().Message});
      return;
    }
    if (!list.empty())
      list += L"\r\n";
    list += WideFromCore(coreName.value());
  }
  m_window->SetText(control == Index(txtName) ? Index(txtName) : Index(txtDropped),
                    control == Index(txtName) ? list.substr(0, list.find(L'\r')) : list);
}

void PrototypeWindow::OnDestroyed() {
  PostQuitMessage(0);
}

}  // namespace fw::win32
