#pragma once

// A stand-in main window that shows the toolkit and the system's dialogs at work, so that the
// program, its resources and its test under Wine can be built and run end to end. The real main
// window and operation dialog take its place.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/Result.h"
#include "platform/WindowDesign.h"
#include "win32/Win32Platform.h"
#include "win32/Window.h"

namespace fw::win32 {

// The window's class name, by which tests find it.
inline constexpr wchar_t kPrototypeClass[] = L"FleetwrightMain";

// The prototype's controls, in the order of its design table.
enum class PrototypeControl {
  fraDialogs,
  cmdShowMessage,
  cmdOpenFile,
  cmdChooseFolder,
  cmdWait,
  lblName,
  txtName,
  lblDropped,
  txtDropped,
  chkMustExist,
  fraWait,
  lblWait,
};

inline constexpr int kPrototypeWidthTwips = 4500;
inline constexpr int kPrototypeHeightTwips = 3870;

namespace detail {
inline constexpr int kDialogs = static_cast<int>(PrototypeControl::fraDialogs);
inline constexpr int kWait = static_cast<int>(PrototypeControl::fraWait);
}  // namespace detail

inline constexpr std::array<ControlDesign, 12> kPrototypeDesign{{
    {"fraDialogs", ControlKind::Frame, "The System's Dialogs", {}, {225, 90, 4050, 1320}, -1, -1},
    {"cmdShowMessage",
     ControlKind::Button,
     "Show a Message",
     "Shows a message box",
     {180, 330, 1800, 375},
     0,
     detail::kDialogs},
    {"cmdOpenFile",
     ControlKind::Button,
     "Open a File...",
     "Chooses a file with the file dialog",
     {2070, 330, 1800, 375},
     1,
     detail::kDialogs},
    {"cmdChooseFolder",
     ControlKind::Button,
     "Choose a Folder...",
     "Chooses a folder with the folder dialog",
     {180, 795, 1800, 375},
     2,
     detail::kDialogs},
    {"cmdWait",
     ControlKind::Button,
     "Wait a Moment",
     "Shows the busy pointer and the wait frame for half a second",
     {2070, 795, 1800, 375},
     3,
     detail::kDialogs},
    {"lblName", ControlKind::Label, "Chosen name:", {}, {225, 1530, 4050, 195}, -1, -1},
    {"txtName",
     ControlKind::TextBox,
     {},
     "Shows the chosen file or folder",
     {225, 1755, 4050, 315},
     4,
     -1},
    {"lblDropped",
     ControlKind::Label,
     "Files dropped on this window:",
     {},
     {225, 2190, 4050, 195},
     -1,
     -1},
    {"txtDropped",
     ControlKind::TextList,
     {},
     "Shows the files dropped on this window",
     {225, 2415, 4050, 900},
     5,
     -1},
    {"chkMustExist",
     ControlKind::CheckBox,
     "The chosen file must exist",
     "Untick to enter the name of a new file",
     {225, 3435, 4050, 255},
     6,
     -1,
     false,
     true},
    {"fraWait", ControlKind::Cover, {}, {}, {45, 45, 4410, 3780}, -1, -1, true},
    {"lblWait",
     ControlKind::Announcement,
     "Please Wait...",
     {},
     {0, 1650, 4410, 330},
     -1,
     detail::kWait},
}};

class PrototypeWindow final : public WindowEvents {
 public:
  // The window, hidden; fails when the system cannot create it.
  static Result<std::unique_ptr<PrototypeWindow>> Create();

  void Show() { m_window->Show(); }

  void OnClick(int control) override;
  void OnFilesDropped(int control, const std::vector<std::wstring>& names) override;
  void OnDestroyed() override;

 private:
  PrototypeWindow() = default;
  void OpenFile();
  void ChooseFolder();
  void Wait();

  std::unique_ptr<Window> m_window;
  std::unique_ptr<Win32MessageBoxes> m_boxes;
  std::unique_ptr<Win32FileDialog> m_files;
};

}  // namespace fw::win32
