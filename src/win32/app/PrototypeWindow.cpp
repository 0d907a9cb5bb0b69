#include "win32/app/PrototypeWindow.h"

#include <array>

#include "win32/CommonDialogs.h"
#include "win32/Resources.h"
#include "win32/TextConversion.h"

namespace fw::win32 {
namespace {

using namespace prototype;
using enum ControlKind;

constexpr std::array kControls{
    ControlSpec{.Id = fraDialogs,
                .Kind = GroupBox,
                .Place = {225, 90, 4050, 1320},
                .Caption = L"The System's Dialogs",
                .Tab = 0},
    ControlSpec{.Id = cmdShowMessage,
                .Kind = Button,
                .Place = {180, 330, 1800, 375},
                .Caption = L"Show a Message",
                .Tooltip = L"Shows a message box",
                .Tab = 0,
                .Container = fraDialogs},
    ControlSpec{.Id = cmdOpenFile,
                .Kind = Button,
                .Place = {2070, 330, 1800, 375},
                .Caption = L"Open a File...",
                .Tooltip = L"Chooses a file with the file dialog",
                .Tab = 1,
                .Container = fraDialogs},
    ControlSpec{.Id = cmdChooseFolder,
                .Kind = Button,
                .Place = {180, 795, 1800, 375},
                .Caption = L"Choose a Folder...",
                .Tooltip = L"Chooses a folder with the folder dialog",
                .Tab = 2,
                .Container = fraDialogs},
    ControlSpec{.Id = cmdWait,
                .Kind = Button,
                .Place = {2070, 795, 1800, 375},
                .Caption = L"Wait a Moment",
                .Tooltip = L"Shows the busy pointer and the wait frame for half a second",
                .Tab = 3,
                .Container = fraDialogs},
    ControlSpec{.Id = lblName,
                .Kind = Label,
                .Place = {225, 1530, 4050, 195},
                .Caption = L"Chosen name:",
                .Tab = 1},
    ControlSpec{.Id = txtName,
                .Kind = Edit,
                .Place = {225, 1755, 4050, 315},
                .Tooltip = L"Shows the chosen file or folder",
                .Tab = 2},
    ControlSpec{.Id = lblDropped,
                .Kind = Label,
                .Place = {225, 2190, 4050, 195},
                .Caption = L"Files dropped on this window:",
                .Tab = 3},
    ControlSpec{.Id = txtDropped,
                .Kind = MultiLineEdit,
                .Place = {225, 2415, 4050, 900},
                .Tooltip = L"Shows the files dropped on this window",
                .Tab = 4},
    ControlSpec{.Id = chkMustExist,
                .Kind = CheckBox,
                .Place = {225, 3435, 4050, 255},
                .Caption = L"The chosen file must exist",
                .Tooltip = L"Untick to enter the name of a new file",
                .Tab = 5,
                .Checked = true},
    ControlSpec{
        .Id = fraWait, .Kind = Panel, .Place = {45, 45, 4410, 3780}, .Tab = 6, .Visible = false},
    ControlSpec{.Id = lblWait,
                .Kind = Label,
                .Place = {0, 1650, 4410, 330},
                .Caption = L"Please Wait...",
                .Container = fraWait,
                .Align = TextAlign::Center,
                .Font = {.HeightTwips = 195, .Bold = true, .Italic = true}},
};

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
                        .ClientWidthTwips = 4500,
                        .ClientHeightTwips = 3870,
                        .AcceptFiles = true,
                        .IconId = IDI_FLEETWRIGHT};
  Result<std::unique_ptr<Window>> window = Window::Create(spec, kControls, *prototype);
  if (!window)
    return window.error();
  prototype->m_window = std::move(window.value());
  prototype->m_window->BringToFront(fraWait);
  return prototype;
}

void PrototypeWindow::OnClick(int controlId) {
  switch (controlId) {
    case cmdShowMessage:
      m_boxes.Show({MessageIcon::Information, "Fleetwright",
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
  }
}

void PrototypeWindow::OpenFile() {
  const FileDialogRequest request{"Select A Text File",
                                  {{"Text (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}},
                                  1,
                                  ".txt",
                                  m_window->IsChecked(chkMustExist)};
  const std::string name = m_files.AskFileName(request);
  if (!name.empty())
    m_window->SetText(txtName, WideFromCore(name));
}

void PrototypeWindow::ChooseFolder() {
  const Result<std::wstring> folder = AskFolder(m_window->Handle(), L"Select A Folder");
  if (!folder) {
    m_boxes.Show({MessageIcon::Critical, "Error", folder.error().Message});
    return;
  }
  if (folder.value().empty())
    return;
  const Result<std::string> name = CoreFromWide(folder.value());
  if (!name) {
    m_boxes.Show({MessageIcon::Exclamation, "Invalid Folder Name", name.error().Message});
    return;
  }
  m_window->SetText(txtName, WideFromCore(name.value()));
}

// Stands in for an operation: the real dialog runs its work on this thread the same way.
void PrototypeWindow::Wait() {
  m_window->SetBusy(true);
  m_window->SetVisible(fraWait, true);
  m_window->RepaintNow(fraWait);
  Sleep(500);
  m_window->SetVisible(fraWait, false);
  m_window->SetBusy(false);
}

// A file dropped on the name box becomes the chosen name; files dropped elsewhere are listed.
void PrototypeWindow::OnFilesDropped(int controlId, const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) {
    const Result<std::string> coreName = CoreFromWide(name);
    if (!coreName) {
      m_boxes.Show({MessageIcon::Exclamation, "Invalid File Name", coreName.error().Message});
      return;
    }
    if (!list.empty())
      list += L"\r\n";
    list += WideFromCore(coreName.value());
  }
  m_window->SetText(controlId == txtName ? txtName : txtDropped,
                    controlId == txtName ? list.substr(0, list.find(L'\r')) : list);
}

void PrototypeWindow::OnDestroyed() {
  PostQuitMessage(0);
}

}  // namespace fw::win32
