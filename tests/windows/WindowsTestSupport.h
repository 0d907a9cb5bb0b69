#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fw::test {

// 8-bit text in the system code page as UTF-16, the way Windows reads an "A" call's argument.
std::wstring Wide(std::string_view text);

// A path as 8-bit text in the system code page, as a user's dialog box or argument holds it.
std::string Narrow(const std::filesystem::path& path);

// The names in a folder, sorted; compared as UTF-16 so that code-page mistakes show.
std::vector<std::wstring> WideEntries(const std::filesystem::path& folder);

// A drive letter with no drive behind it, or 0 when every letter is taken.
char UnusedDriveLetter();

// What a program run printed and returned. Text-mode line ends (CR LF) are given as LF.
struct ProgramRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

// Runs program with args (each quoted; none may hold a quotation mark) and waits for it.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);

// Keeps a file open for reading the way an editor or a viewer does: others may read it, but
// may neither write nor delete nor rename over it while it is held.
class HeldFile {
 public:
  explicit HeldFile(const std::filesystem::path& path);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
  void Release();

 private:
  HANDLE m_handle;
};

}  // namespace fw::test
