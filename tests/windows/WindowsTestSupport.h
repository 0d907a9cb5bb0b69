#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFolder.h"

namespace fw::test {

// 8-bit text in the system code page as UTF-16, the way Windows reads an "A" call's argument.
inline std::wstring Wide(std::string_view text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size));
  return wide;
}

// A path as 8-bit text in the system code page, as a user's dialog box or argument holds it.
inline std::string Narrow(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  const int size = static_cast<int>(wide.size());
  // No code page needs more than three bytes for one UTF-16 unit.
  std::string text(static_cast<std::size_t>(size) * 3, '\0');
  text.resize(
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), size * 3, nullptr, nullptr));
  return text;
}

// The names in a folder, sorted; compared as UTF-16 so that code-page mistakes show.
inline std::vector<std::wstring> WideEntries(const std::filesystem::path& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().wstring());
  std::sort(names.begin(), names.end());
  return names;
}

// What a program run printed and returned. Text-mode line ends (CR LF) are given as LF.
struct ProgramRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

// Runs program with args (each quoted; none may hold a quotation mark) and waits for it.
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  const TempFolder streams;
  std::string command = "\"" + program + "\"";
  for (const std::string& arg : args) {
    EXPECT_EQ(arg.find('"'), std::string::npos) << arg;
    command += " \"" + arg + "\"";
  }
  command += " <NUL >\"" + Narrow(streams.Path() / "out") + "\" 2>\"" +
             Narrow(streams.Path() / "err") + "\"";
  // cmd.exe drops the outermost pair of quotes.
  ProgramRun run{std::system(("\"" + command + "\"").c_str()), ReadBytes(streams.Path() / "out"),
                 ReadBytes(streams.Path() / "err")};
  std::erase(run.Out, '\r');
  std::erase(run.Err, '\r');
  return run;
}

// Keeps a file open for reading the way an editor or a viewer does: others may read it, but
// may neither write nor delete nor rename over it while it is held.
class HeldFile {
 public:
  explicit HeldFile(const std::filesystem::path& path)
      : m_handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() { Release(); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
  void Release() {
    if (IsOpen())
      CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE m_handle;
};

}  // namespace fw::test
