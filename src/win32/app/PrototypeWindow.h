#pragma once

// A stand-in main window that shows the toolkit and the system's dialogs at work, so that the
// program, its resources and its test under Wine can be built and run end to end. The real main
// window and operation dialog take its place.

#include <memory>
#include <string>
#include <vector>

#include "platform/Result.h"
#include "win32/Win32Platform.h"
#include "win32/Window.h"

namespace fw::win32 {

// The window's class name, by which tests find it.
inline constexpr wchar_t kPrototypeClass[] = L"FleetwrightMain";

// Control ids of the prototype window.
namespace prototype {
enum : int {
  fraDialogs = 100,
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
}  // namespace prototype

class PrototypeWindow final : public WindowEvents {
 public:
  // The window, hidden; fails when the system cannot create it.
  static Result<std::unique_ptr<PrototypeWindow>> Create();

  void Show() { m_window->Show(); }

  void OnClick(int controlId) override;
  void OnFilesDropped(int controlId, const std::vector<std::wstring>& names) override;
  void OnDestroyed() override;

 private:
  PrototypeWindow() = default;
  void OpenFile();
  void ChooseFolder();
  void Wait();

  std::unique_ptr<Window> m_window;
  Win32MessageBoxes m_boxes;
  Win32FileDialog m_files;
};

}  // namespace fw::win32
