// Uses the prototype main window as a person would and checks what each step leads to.

#include <cstdlib>
#include <fstream>
#include <vector>

#include "Driver.h"
#include "Scenario.h"
#include "win32/Shell.h"
#include "win32/WindowsApi.h"
#include "win32/app/PrototypeWindow.h"

namespace fw::win32::test {
namespace {

using enum PrototypeControl;

void WriteSampleFile(const std::filesystem::path& file) {
  std::ofstream(file) << "AC#1,Sample\r\n";
}

// Clicks the button and answers the dialog it opens: name typed in and accepted, or cancelled
// when name is empty. Returns the dialog.
HWND Answer(Driver& driver, HWND window, PrototypeControl button, const std::wstring& name) {
  Driver::PostClick(Driver::FindControl(window, button));
  const HWND dialog = driver.WaitForDialog(window);
  driver.Check(dialog != nullptr, "the button opens a dialog owned by the window");
  if (name.empty() && button == cmdOpenFile)
    driver.Check(Driver::Text(dialog) == L"Select A Text File" &&
                     Driver::Text(GetDlgItem(dialog, cmb1)) == L"Text (*.txt)",
                 "the file dialog has the title and the file type asked for");
  if (!name.empty() && driver.Check(Driver::TypeFileName(dialog, name), "it has a name box"))
    Driver::Accept(dialog);
  else
    Driver::Cancel(dialog);
  return dialog;
}

// Answers the dialog; returns what the name box shows afterwards.
std::wstring Browse(Driver& driver, HWND window, PrototypeControl button,
                    const std::wstring& name) {
  Answer(driver, window, button, name);
  driver.Check(driver.WaitUntilEnabled(window), "the window takes input again");
  return Driver::Text(Driver::FindControl(window, txtName));
}

void CheckResources(Driver& driver, HWND window) {
  driver.Check(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)) ==
                   DPI_AWARENESS_PER_MONITOR_AWARE,
               "the window is per-monitor DPI aware");
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::vector<char> record(GetFileVersionInfoSizeW(program, nullptr));
  VS_FIXEDFILEINFO* version = nullptr;
  UINT size = 0;
  driver.Check(
      !record.empty() &&
          GetFileVersionInfoW(program, 0, static_cast<DWORD>(record.size()), record.data()) &&
          VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&version), &size) &&
          version->dwFileVersionMS == MAKELONG(0, 1) && version->dwFileVersionLS == 0,
      "the version record reads 1.0.0.0");
  driver.Check(GetClassLongPtrW(window, GCLP_HICONSM) != 0, "the title bar has the icon");
}

void CheckTabOrder(Driver& driver, HWND window) {
  const PrototypeControl expected[] = {cmdOpenFile, cmdChooseFolder, cmdWait,       txtName,
                                       txtDropped,  chkMustExist,    cmdShowMessage};
  bool inOrder = driver.WaitFor([&] { return Driver::Focus(window) != nullptr; }) &&
                 GetDlgCtrlID(Driver::Focus(window)) == Driver::ControlId(cmdShowMessage);
  for (const PrototypeControl control : expected) {
    Driver::PressKey(window, VK_TAB);
    inOrder = inOrder && driver.WaitFor([&] {
      return GetDlgCtrlID(Driver::Focus(window)) == Driver::ControlId(control);
    });
  }
  driver.Check(inOrder, "Tab walks the controls in the table's focus order, into the frame");
}

void CheckMessageBox(Driver& driver, HWND window) {
  Driver::PostClick(Driver::FindControl(window, cmdShowMessage));
  const HWND box = driver.WaitForDialog(window);
  if (!driver.Check(box != nullptr, "the message box opens, owned by the window"))
    return;
  driver.Check(!IsWindowEnabled(window), "the window takes no input while the box is open");
  driver.CheckText(Driver::MessageBoxText(box),
                   L"Fleetwright runs here as a native Windows program.", "the message's text");
  Driver::PressOk(box);
  driver.Check(driver.WaitUntilEnabled(window), "OK closes the box");
}

void CheckFileDialog(Driver& driver, HWND window, const std::filesystem::path& folder) {
  const HWND name = Driver::FindControl(window, txtName);
  Driver::SetText(name, L"before");
  driver.CheckText(Browse(driver, window, cmdOpenFile, L""), L"before",
                   "cancelling the file dialog changes nothing");

  WriteSampleFile(folder / L"Zürich ü.txt");
  driver.CheckText(Browse(driver, window, cmdOpenFile, (folder / L"Zürich ü.txt").wstring()),
                   (folder / L"Zürich ü.txt").wstring(),
                   "the name of an existing file in the code page comes back unchanged");

  const HWND dialog = Answer(driver, window, cmdOpenFile, (folder / L"missing.txt").wstring());
  const HWND refusal = driver.WaitForDialog(dialog);
  driver.Check(refusal != nullptr, "the file dialog refuses a missing file while it must exist");
  Driver::PressOk(refusal);
  driver.WaitUntilEnabled(dialog);
  Driver::Cancel(dialog);
  driver.WaitUntilEnabled(window);

  Driver::Click(Driver::FindControl(window, chkMustExist));
  driver.CheckText(Browse(driver, window, cmdOpenFile, (folder / L"new").wstring()),
                   (folder / L"new.txt").wstring(),
                   "a new file's name is taken when the box is unticked, with .txt added");

  // Best fit would turn "ō" into "o" and name another file.
  Driver::SetText(name, L"before");
  WriteSampleFile(folder / L"Tōkyō.txt");
  const HWND box = driver.WaitForDialog(
      window, Answer(driver, window, cmdOpenFile, (folder / L"Tōkyō.txt").wstring()));
  if (driver.Check(box != nullptr && Driver::Text(box) == L"Invalid File Name",
                   "a name outside the code page is refused with a message")) {
    driver.Check(Driver::MessageBoxText(box).find(L"\"" + (folder / L"T?ky?.txt").wstring() +
                                                  L"\" cannot be used") == 0,
                 "the message shows the name with ? for what cannot be kept");
    Driver::PressOk(box);
  }
  driver.WaitUntilEnabled(window);
  driver.CheckText(Driver::Text(name), L"before", "a refused name changes nothing");
}

void CheckFolderDialog(Driver& driver, HWND window, const std::filesystem::path& folder) {
  Driver::SetText(Driver::FindControl(window, txtName), L"before");
  driver.CheckText(Browse(driver, window, cmdChooseFolder, L""), L"before",
                   "cancelling the folder dialog changes nothing");
  driver.CheckText(Browse(driver, window, cmdChooseFolder, folder.wstring()), folder.wstring(),
                   "the folder typed into the folder dialog is chosen");
}

void CheckDrop(Driver& driver, HWND window, const std::filesystem::path& folder) {
  const HWND list = Driver::FindControl(window, txtDropped);
  const RECT target = Driver::ClientRect(list, window);
  const std::wstring first = (folder / L"Zürich ü.txt").wstring();
  const std::wstring second = (folder / L"new.txt").wstring();
  Driver::DropFiles(window, {target.left + 5, target.top + 5}, {first, second});
  driver.Check(driver.WaitFor([&] { return Driver::Text(list) == first + L"\r\n" + second; }),
               "dropped files are listed one a line, in the order given");
  const HWND name = Driver::FindControl(window, txtName);
  const RECT box = Driver::ClientRect(name, window);
  Driver::DropFiles(window, {box.right - 5, box.bottom - 5}, {second, first});
  driver.Check(driver.WaitFor([&] { return Driver::Text(name) == second; }),
               "the window tells on which control files were dropped");
}

void CheckTooltip(Driver& driver, HWND window) {
  Driver::PointAt(Driver::FindControl(window, cmdOpenFile));
  const HWND tip = driver.WaitForWindow(TOOLTIPS_CLASSW, window);
  driver.Check(tip != nullptr, "resting the pointer on a button in a frame shows a tooltip") &&
      driver.CheckText(Driver::Text(tip), L"Chooses a file with the file dialog",
                       "the tooltip is the button's");
}

void CheckBusyPointer(Driver& driver, HWND window, const std::filesystem::path& shots) {
  const HWND label = Driver::FindControl(window, lblName);
  const HWND frame = Driver::FindControl(window, fraWait);
  Driver::PointAt(label);
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  const auto cursor = [] {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
  };
  Driver::PostClick(Driver::FindControl(window, cmdWait));
  // The window's thread is busy: the frame's paint is done when the pointer turns.
  driver.Check(driver.WaitFor([&] { return cursor() == wait; }),
               "the busy pointer shows over the window while the work runs");
  driver.Check(IsWindowVisible(frame) != FALSE, "the wait frame shows while the work runs");
  Driver::SaveScreenshot(window, shots / "prototype-wait.bmp");
  driver.Check(driver.WaitFor([&] { return !IsWindowVisible(frame) && cursor() != wait; }),
               "the frame and the busy pointer go when the work is done");
}

// Tells the window it moved to a 144 DPI screen. Wine keeps drawing the title bar at the
// system's DPI, so only the width of the client area can be checked.
void CheckDpiChange(Driver& driver, HWND window) {
  const HWND button = Driver::FindControl(window, cmdOpenFile);
  const auto fontHeight = [&] {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
  };
  const long before = fontHeight();
  RECT suggested{};
  GetWindowRect(window, &suggested);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(window, &client);
  const RECT place = Driver::ClientRect(button, window);
  // 4500 twips wide; the button 1800 by 375 twips at 2070, 330 in a frame at 225, 90.
  driver.Check(client.right == 450 && place.left == 230 && place.top == 42 &&
                   place.right - place.left == 180 && place.bottom - place.top == 38,
               "at 144 DPI the client area and the controls grow");
  driver.Check(std::abs(fontHeight() - before * 3 / 2) <= 1, "at 144 DPI the font grows");
}

// The text file opens in the program the desktop associates with text files.
void CheckOpenDocument(Driver& driver, const std::filesystem::path& folder) {
  WriteSampleFile(folder / L"notes.txt");
  const auto editor = [] { return FindWindowW(nullptr, L"notes.txt - Notepad"); };
  driver.Check(
      OpenDocument(nullptr, (folder / L"notes.txt").wstring(), folder.wstring(), SW_SHOWNORMAL) &&
          driver.WaitFor([&] { return editor() != nullptr; }),
      "the text file opens in Notepad");
  PostMessageW(editor(), WM_CLOSE, 0, 0);
}

}  // namespace

void RunPrototypeScenario(Driver& driver, const std::filesystem::path& screenshots,
                          const std::filesystem::path& work) {
  const HWND window = driver.WaitForWindow(kPrototypeClass);
  if (!driver.Check(window != nullptr, "the main window opens"))
    return;
  driver.Check(driver.WaitUntilPainted(window) &&
                   Driver::SaveScreenshot(window, screenshots / "prototype.bmp"),
               "the main window's screenshot is saved");
  CheckResources(driver, window);
  CheckTabOrder(driver, window);
  CheckMessageBox(driver, window);
  CheckFileDialog(driver, window, work);
  CheckFolderDialog(driver, window, work);
  CheckDrop(driver, window, work);
  CheckTooltip(driver, window);
  CheckBusyPointer(driver, window, screenshots);
  CheckOpenDocument(driver, work);
  CheckDpiChange(driver, window);
}

}  // namespace fw::win32::test
