// Uses fleetwright.exe's two windows as a person would and checks what each step leads to: files
// on disk, boxes, the windows' states. The core's own behaviour is tested elsewhere.

#include "Scenario.h"

#include <algorithm>
#include <cstring>

#include "records/OperationTable.h"
#include "support/TempFolder.h"
#include "win32/TextConversion.h"
#include "win32/app/Win32MainWindow.h"

namespace fw::win32::test {
namespace {

namespace fs = std::filesystem;
using enum MainControl;
using enum DialogControl;
using Names = std::vector<std::wstring>;

const auto Read = fw::test::ReadBytes;
const auto Write = fw::test::WriteBytes;

// Names in the work folder, one a line, as the dialog's boxes hold them.
std::wstring Lines(const Setting& setting, const Names& names) {
  std::wstring lines;
  for (const std::wstring& name : names)
    lines += (lines.empty() ? L"" : L"\r\n") + (setting.Work / name).wstring();
  return lines;
}

const auto MainWindow = [] { return FindWindowW(kMainClassName, nullptr); };
const auto Find = [](HWND window, auto control) { return Driver::FindControl(window, control); };

// Opens the operation dialog with a main window's button.
HWND Open(Driver& driver, MainControl button) {
  Driver::Click(Find(MainWindow(), button));
  const HWND dialog = driver.WaitForWindow(kDialogClassName, MainWindow());
  driver.Check(dialog != nullptr && !IsWindowVisible(MainWindow()),
               "the dialog opens, owned by the main window, which hides");
  return dialog;
}

// Waits until the dialog is gone and the main window back.
bool Closed(Driver& driver, HWND dialog) {
  return driver.WaitFor([&] { return !IsWindow(dialog) && IsWindowVisible(MainWindow()); });
}

// "Title: text" of the message box that owner opened (other than except); closes it and, unless
// the owner goes with it, waits until the owner takes input again.
std::wstring CloseBox(Driver& driver, HWND owner, HWND except = nullptr, bool ownerStays = true) {
  // The one just answered, except, takes a moment to go.
  const HWND box = driver.WaitForWindow(L"#32770", owner, except);
  if (box == nullptr)
    return L"(no message box)";
  // Windows and Wine both number a message box's text 0xFFFF.
  const std::wstring shown = Driver::Text(box) + L": " + Driver::Text(GetDlgItem(box, 0xFFFF));
  Driver::PostClick(GetDlgItem(box, IDOK));
  return !ownerStays || driver.WaitUntilEnabled(owner) ? shown : L"(the box stays)";
}

// Clicks the button and answers the file or folder dialog it opens with name, or cancels it for
// no name. Returns the dialog; seen, when given, gets its title and file type.
HWND Browse(Driver& driver, HWND owner, HWND button, const std::wstring& name,
            std::wstring* seen = nullptr) {
  Driver::PostClick(button);
  const HWND dialog = driver.WaitForWindow(L"#32770", owner);
  if (dialog == nullptr)
    return dialog;
  if (seen != nullptr)
    *seen = Driver::Text(dialog) + L" | " + Driver::Text(GetDlgItem(dialog, cmb1));
  // The file dialog's name box is the edit in cmb13 (under Wine a ComboBoxEx holding a combo box
  // holding the edit); the folder dialog's is edt1.
  const HWND combo = GetDlgItem(dialog, cmb13);
  const HWND box = combo == nullptr ? GetDlgItem(dialog, edt1)
                                    : FindWindowExW(FindWindowExW(combo, nullptr, nullptr, nullptr),
                                                    nullptr, L"Edit", nullptr);
  if (!name.empty())
    Driver::SetText(box, name);
  // Sent to the dialog itself: a toolbar of the file dialog has the id of its Open button too.
  PostMessageW(dialog, WM_COMMAND, name.empty() ? IDCANCEL : IDOK, 0);
  return dialog;
}

void Shot(Driver& driver, HWND window, const fs::path& file) {
  // Paints that are due are sent to the window's thread, and have run once it answers.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  driver.Check(driver.WaitUntilEnabled(window) && Driver::SaveScreenshot(window, file),
               "screenshot " + file.filename().string());
}

void CheckMainWindow(Driver& driver, const Setting& setting) {
  const HWND window = MainWindow();
  Shot(driver, window, setting.Screenshots / "frmMain.bmp");
  driver.Check(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)) ==
                   DPI_AWARENESS_PER_MONITOR_AWARE,
               "the window is per-monitor DPI aware");
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  driver.Check(GetFileVersionInfoSizeW(program, nullptr) != 0, "the program has a version record");
  driver.Check(GetClassLongPtrW(window, GCLP_HICONSM) != 0, "the title bar has the icon");
  driver.Check(fs::exists(fs::path(program).parent_path() / "ReadMe.htm"),
               "the help page lies beside the program");

  // Tab walks the visible buttons in the table's focus order, and from the last to the first.
  std::vector<const ControlDesign*> order;
  for (const ControlDesign& control : kMainDesign)
    if (control.Tab >= 0 && !control.Hidden)
      order.push_back(&control);
  std::ranges::sort(order, {}, &ControlDesign::Tab);
  bool inOrder = true;
  for (std::size_t i = 0; i <= order.size() && inOrder; ++i) {
    const auto id = kFirstControlId + (order[i % order.size()] - kMainDesign.data());
    inOrder = driver.WaitFor([&] { return GetDlgCtrlID(Driver::Focus(window)) == id; });
    Driver::PressKey(window, VK_TAB);
  }
  driver.Check(inOrder, "Tab walks the buttons in the table's focus order");

  Driver::PointAt(Find(window, cmdMergeFlightPlans));
  const HWND tip = driver.WaitForWindow(TOOLTIPS_CLASSW, window);
  driver.Check(tip != nullptr &&
                   Driver::Text(tip) ==
                       WideFromCore(kMainDesign[static_cast<int>(cmdMergeFlightPlans)].Tooltip),
               "resting the pointer on a button in a frame shows its tooltip");
}

// One use of an operation: its input files, what it leaves on disk and what it says.
struct Run {
  MainControl Button;
  std::vector<std::pair<std::wstring, std::string>> Inputs;  // names in the work folder, bytes
  std::wstring Output;               // a name in the work folder; none for the number change
  std::string Expected;              // the output's bytes afterwards, or the first input's
  std::wstring Outcome;              // "Title: text" of the box that reports it
  const char* Screenshot = nullptr;  // of the dialog as it opens
  const wchar_t* From = nullptr;     // the number change's numbers
  const wchar_t* To = nullptr;
  bool Backup = true;
};

// While the operation is held reading slow.txt the dialog shows its wait frame, painted over the
// other controls, and the busy pointer. Its thread is busy: nothing here may send it a message.
void CheckWaitFrame(Driver& driver, const Setting& setting, HWND dialog) {
  if (!driver.Check(WaitForSingleObject(setting.GateReached, 10000) == WAIT_OBJECT_0,
                    "the operation reads its input"))
    return;
  wchar_t wait[100] = {};
  const RECT box = Driver::ClientRect(Find(dialog, txtInputFiles), dialog);
  const HDC dc = GetDC(dialog);
  driver.Check(IsWindowVisible(Find(dialog, fraWait)) &&
                   InternalGetWindowText(Find(dialog, lblWait), wait, 100) > 0 &&
                   GetPixel(dc, box.left + 2, box.top + 2) == GetSysColor(COLOR_BTNFACE),
               "the wait frame shows its text, painted over the input box");
  ReleaseDC(dialog, dc);
  CURSORINFO cursor{};
  cursor.cbSize = sizeof cursor;
  driver.Check(GetCursorInfo(&cursor) && cursor.hCursor == LoadCursorW(nullptr, IDC_WAIT),
               "the busy pointer shows over the dialog");
  Driver::SaveScreenshot(dialog, setting.Screenshots / "frmShowFiles-wait.bmp");
  // A second click, which the outcome box's message loop will find waiting.
  Driver::PostClick(Find(dialog, cmdExecute));
  SetEvent(setting.GateOpen);
}

void CheckRun(Driver& driver, const Setting& setting, const Run& run) {
  Names inputs;
  for (const auto& [name, bytes] : run.Inputs) {
    Write(setting.Work / name, bytes);
    inputs.push_back(name);
  }
  const bool slow = inputs.front() == L"slow.txt";
  const HWND dialog = Open(driver, run.Button);
  if (dialog == nullptr)
    return;
  if (run.Screenshot != nullptr) {
    // Off the list, whose blinking caret would make the picture differ from one run to the next.
    Driver::PressKey(dialog, VK_TAB);
    driver.WaitFor([&] { return Driver::Focus(dialog) == Find(dialog, cmdBrowseInput); });
    Shot(driver, dialog, setting.Screenshots / run.Screenshot);
  }
  Driver::SetText(Find(dialog, txtInputFiles), Lines(setting, inputs));
  if (!run.Output.empty())
    Driver::SetText(Find(dialog, txtOutputFile), (setting.Work / run.Output).wstring());
  if (run.From != nullptr) {
    Driver::SetText(Find(dialog, txtFrom), run.From);
    Driver::SetText(Find(dialog, txtTo), run.To);
    if (!run.Backup)
      Driver::Click(Find(dialog, chkBackup));
  }
  Driver::PointAt(dialog);
  Driver::PostClick(Find(dialog, cmdExecute));
  if (slow)
    CheckWaitFrame(driver, setting, dialog);
  driver.CheckText(CloseBox(driver, dialog, nullptr, false), run.Outcome, "the outcome box");
  driver.Check(Closed(driver, dialog), "then the dialog is gone and the main window back");
  if (slow)
    driver.Check(WaitForSingleObject(setting.GateReached, 0) == WAIT_TIMEOUT,
                 "a click that waited during the operation does not run it again");
  const fs::path output = setting.Work / (run.From ? inputs.front() : run.Output);
  driver.Check(Read(output) == run.Expected, "the output holds what the operation makes of it");
  if (run.From != nullptr) {
    const fs::path backup = output.wstring() + L".BAK";
    driver.Check(run.Backup ? Read(backup) == run.Inputs.front().second : !fs::exists(backup),
                 run.Backup ? "the backup holds the file as it was" : "no backup is made");
  }
}

// The sort dialog again: its remembered names, browsing, refused names and the close control.
void CheckBrowsing(Driver& driver, const Setting& setting) {
  const auto names = [](HWND dialog) {
    return Driver::Text(Find(dialog, txtInputFiles)) + L" | " +
           Driver::Text(Find(dialog, txtOutputFile));
  };
  const auto expect = [&](const wchar_t* input, const wchar_t* output) {
    return (setting.Work / input).wstring() + L" | " + (setting.Work / output).wstring();
  };
  HWND dialog = Open(driver, cmdSortFlightPlans);
  std::wstring seen;
  Browse(driver, dialog, Find(dialog, cmdBrowseInput), L"", &seen);
  driver.CheckText(
      seen, WideFromCore(InfoOf(Operation::SortFlightPlans).InputDialogTitle) + L" | Text (*.txt)",
      "the file dialog has the operation's title and the text file type");
  driver.WaitUntilEnabled(dialog);
  driver.CheckText(names(dialog), expect(L"fp.txt", L"sorted.txt"),
                   "the dialog opens with the names of the last Execute, which cancelling keeps");
  for (const auto& [button, name] :
       {std::pair{cmdBrowseInput, L"Zürich ü.txt"}, {cmdBrowseOutput, L"new"}}) {
    Browse(driver, dialog, Find(dialog, button), (setting.Work / name).wstring());
    driver.WaitUntilEnabled(dialog);
  }
  driver.CheckText(names(dialog), expect(L"Zürich ü.txt", L"new.txt"),
                   "the chosen file replaces a sort's input; a new output takes .txt");

  // Best fit would turn "ō" into "o" and name another file.
  const std::wstring tokyo = (setting.Work / L"Tōkyō.txt").wstring();
  const std::wstring refused =
      L"Invalid File Name: \"" + (setting.Work / L"T?ky?.txt").wstring() + L"\" cannot be used";
  Write(tokyo, "AC#1,a\r\n");
  const HWND files = Browse(driver, dialog, Find(dialog, cmdBrowseInput), tokyo);
  driver.CheckText(CloseBox(driver, dialog, files).substr(0, refused.size()), refused,
                   "a chosen name outside the code page is refused with a message naming it");
  driver.CheckText(names(dialog), expect(L"Zürich ü.txt", L"new.txt"), "and changes nothing");
  Driver::SetText(Find(dialog, txtInputFiles), tokyo);
  Driver::PostClick(Find(dialog, cmdExecute));
  driver.CheckText(CloseBox(driver, dialog).substr(0, refused.size()), refused,
                   "a typed name outside the code page is refused at Execute");

  PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  driver.Check(Closed(driver, dialog), "the close control closes the dialog");
  dialog = Open(driver, cmdSortFlightPlans);
  driver.CheckText(names(dialog), expect(L"fp.txt", L"sorted.txt"),
                   "neither the refused Execute nor the close control saved the names");
  // At 144 DPI the client area and the controls grow by half. Wine keeps drawing the title bar at
  // the system's DPI, so only the width of the client area can be checked.
  RECT suggested{};
  GetWindowRect(dialog, &suggested);
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT client{};
  GetClientRect(dialog, &client);
  // 6615 twips wide; the button 420 by 285 twips at 6075, 360.
  const RECT button = Driver::ClientRect(Find(dialog, cmdBrowseInput), dialog);
  driver.Check(client.right == 662 && button.left == 608 && button.top == 36 &&
                   button.right == 650 && button.bottom == 65,
               "at 144 DPI the client area and the controls grow");
  Driver::Click(Find(dialog, cmdCancel));
  driver.Check(Closed(driver, dialog), "Cancel closes the dialog");
}

// The merge dialog, which opens with the two names of its last Execute: dropped files add to them.
void CheckDrops(Driver& driver, const Setting& setting) {
  const HWND dialog = Open(driver, cmdMergeAirports);
  const HWND input = Find(dialog, txtInputFiles);
  const HWND output = Find(dialog, txtOutputFile);
  // Drops names in the work folder near the lower right corner of box, within it, as Explorer
  // does; the receiver's DragFinish frees the memory.
  const auto drop = [&](HWND box, const Names& names) {
    std::wstring list;
    for (const std::wstring& name : names)
      list.append((setting.Work / name).wstring()).push_back(L'\0');
    list.push_back(L'\0');
    const RECT place = Driver::ClientRect(box, dialog);
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    *files = DROPFILES{sizeof(DROPFILES), {place.right - 5, place.bottom - 5}, FALSE, TRUE};
    std::memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    PostMessageW(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  };
  const auto holds = [&](HWND box, const Names& names) {
    return driver.WaitFor([&] { return Driver::Text(box) == Lines(setting, names); });
  };
  const Names added = {L"ap1.txt", L"ap2.txt", L"ap1.txt", L"Zürich ü.txt"};
  drop(input, {L"ap1.txt", L"Zürich ü.txt"});
  driver.Check(holds(input, added), "files dropped on the list are added one a line, in order");
  drop(output, {L"ap1.txt", L"Zürich ü.txt"});
  driver.Check(holds(output, {L"Zürich ü.txt"}), "the last file dropped on the output is taken");
  drop(input, {L"Tōkyō.txt"});
  driver.Check(CloseBox(driver, dialog).starts_with(L"Invalid File Name: ") && holds(input, added),
               "a dropped name outside the code page is refused, and nothing is added");
  Driver::Click(Find(dialog, cmdCancel));
  driver.Check(Closed(driver, dialog), "Cancel closes the dialog");
}

// The World AI list in a folder the user shows, there being none beside the program.
void CheckWorldAI(Driver& driver, const Setting& setting) {
  const HWND window = MainWindow();
  const HWND button = Find(window, cmdChangeWorldAIAircraft);
  const fs::path elsewhere = setting.Work / L"World AI";
  fs::create_directories(elsewhere);
  Write(elsewhere / "Aircraft Codes.txt", "AB1,Alpha Jet\r\n");
  Write(elsewhere / "Airline Codes.txt", "QQQ,Quebec Air\r\n");
  Write(elsewhere / "AddToAircraft.txt", "b ai QQQ XY9\"\r\n");
  Browse(driver, window, button, L"");
  driver.Check(driver.WaitUntilEnabled(window) && !fs::exists(elsewhere / "AC.txt"),
               "without a list beside the program a cancelled folder question converts nothing");
  const HWND folders = Browse(driver, window, button, elsewhere.wstring());
  driver.CheckText(CloseBox(driver, window, folders), L"Success: AC.txt File Successfully Created!",
                   "the list in the folder chosen is converted");
  driver.Check(Read(elsewhere / "AC.txt") == "b ai XY9 Quebec Air\"\r\n", "into AC.txt beside it");
}

}  // namespace

void RunScenario(Driver& driver, const Setting& setting) {
  if (!driver.Check(driver.WaitForWindow(kMainClassName) != nullptr, "the main window opens"))
    return;
  CheckMainWindow(driver, setting);
  // clang-format off
  const Run runs[] = {
      {cmdSortFlightPlans, {{L"fp.txt", "AC#2,b\r\nAC#1,a\r\nAC#2,b\r\n"}}, L"sorted.txt",
       "AC#1,a\r\nAC#2,b\r\n", L"Sort Success: Flight plans successfully sorted!",
       "frmShowFiles-sort.bmp"},
      {cmdMergeFlightPlans, {{L"slow.txt", "AC#3,c\r\nAC#1,a\r\n"}, {L"fp2.txt", "AC#2,b\r\n"}},
       L"merged.txt", "AC#1,a\r\nAC#2,b\r\nAC#3,c\r\n",
       L"Merge Success: Flight plans successfully merged!", "frmShowFiles-merge.bmp"},
      {cmdSortAirports, {{L"Zürich ü.txt", "KB,x\r\nKA,y\r\n"}}, L"Zürich sorted.txt",
       "KA,y\r\nKB,x\r\n", L"Sort Success: Airports successfully sorted!"},
      {cmdMergeAirports, {{L"ap1.txt", "KC,z\r\n"}, {L"ap2.txt", "KA,y\r\nKC,z\r\n"}}, L"ap.txt",
       "KA,y\r\nKC,z\r\n", L"Merge Success: Airports successfully merged!"},
      {cmdChangeACNum, {{L"change.txt", "AC#1,a\r\nAC#2,b\r\n"}, {L"change ac.txt", "AC#1,x\r\n"}},
       {}, "AC#2,b\r\nAC#5,a\r\n",
       L"Aircraft # Change Success: 2 aircraft numbers successfully changed!",
       "frmShowFiles-change-numbers.bmp", L"1", L"5"},
      {cmdChangeACNum, {{L"no backup.txt", "AC#1,a\r\n"}}, {}, "AC#7,a\r\n",
       L"Aircraft # Change Success: 1 aircraft numbers successfully changed!", nullptr, L"1", L"7",
       false},
  };
  // clang-format on
  for (const Run& run : runs)
    CheckRun(driver, setting, run);
  CheckBrowsing(driver, setting);
  CheckDrops(driver, setting);
  CheckWorldAI(driver, setting);
  // What fleetwright.exe opens its help page with: a text file opens in the desktop's program for
  // it. Last, as the program it starts takes the focus.
  Write(setting.Work / "notes.txt", "notes");
  Win32DocumentOpener().Open(CoreFromWide((setting.Work / "notes.txt").wstring()).value());
  const auto editor = [] { return FindWindowW(nullptr, L"notes.txt - Notepad"); };
  driver.Check(driver.WaitFor([&] { return editor() != nullptr; }),
               "the desktop opens a document in its program");
  PostMessageW(editor(), WM_CLOSE, 0, 0);
}

}  // namespace fw::win32::test
