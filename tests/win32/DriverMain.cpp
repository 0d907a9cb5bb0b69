// fleetwright-driver.exe: the window program with a driver thread that uses it as a person would.
// Usage: fleetwright-driver SCREENSHOT-FOLDER. Exit status: the number of failed checks.

#include <cstdio>
#include <string>
#include <thread>

#include "Driver.h"
#include "Scenario.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "win32/TextConversion.h"
#include "win32/WindowsApi.h"
#include "win32/app/Application.h"
#include "win32/app/Win32MainWindow.h"

namespace {

using fw::win32::test::Driver;

// Reports the counts and ends the program with the number of failed checks.
[[noreturn]] void Exit(const Driver& driver) {
  std::printf("%d passed, %d failed\n", driver.Passed(), driver.Failed());
  std::fflush(stdout);
  ExitProcess(static_cast<UINT>(driver.Failed()));
}

// Ends the run at once on a crash; Wine would start its debugger and wait.
LONG WINAPI OnCrash(EXCEPTION_POINTERS* crash) {
  std::printf("FAILED: the program crashed (exception 0x%08lx at %p)\n",
              crash->ExceptionRecord->ExceptionCode, crash->ExceptionRecord->ExceptionAddress);
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), 255);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  SetUnhandledExceptionFilter(OnCrash);
  int count = 0;
  const std::filesystem::path screenshots = CommandLineToArgvW(GetCommandLineW(), &count)[1];
  const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                     ("fleetwright-driver-" + std::to_string(GetTickCount64()));
  std::filesystem::create_directories(work / "program");

  // Reading slow.txt holds the operation until the driver has looked at the dialog at work.
  fw::test::FaultyFileSystem fs;
  const HANDLE reached = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  const HANDLE open = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  fs.BeforeRead = [&](const std::string& path) {
    if (path.ends_with("\\slow.txt"))
      SignalObjectAndWait(reached, open, 10000, FALSE);
  };
  // Nothing here asks for a document: the help page's request is checked in tests/shell.
  fw::test::FakeDocumentOpener documents;
  const fw::AppContext app{fs, documents,
                           fw::win32::CoreFromWide((work / "program" / "").wstring()).value(), ""};
  Driver driver;
  std::thread thread([&] {
    fw::win32::test::RunScenario(driver, {screenshots, work, reached, open});
    // After a failure, with dialogs a failed step may have left open, ends the program at once.
    const HWND window = FindWindowW(fw::kMainClassName, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (driver.Failed() > 0 || !driver.Check(driver.WaitFor([&] { return !IsWindow(window); }),
                                             "closing the main window ends the program"))
      Exit(driver);
  });
  const int status = fw::win32::RunApplication(app);
  thread.join();
  driver.Check(status == 0, "the program ends normally");
  std::filesystem::remove_all(work);
  Exit(driver);
}
