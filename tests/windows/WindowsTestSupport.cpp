#include "windows/WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "support/TempFolder.h"

namespace fw::test {
namespace {

std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

std::wstring Wide(std::string_view text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::vector<std::wstring> WideEntries(const std::filesystem::path& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().wstring());
  std::sort(names.begin(), names.end());
  return names;
}

char UnusedDriveLetter() {
  const DWORD drives = GetLogicalDrives();
  // From the end of the alphabet down, away from the letters removable drives get first.
  for (char letter = 'Y'; letter >= 'D'; --letter) {
    if ((drives & (1u << (letter - 'A'))) == 0)
      return letter;
  }
  return 0;
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  static std::atomic<unsigned> counter{0};
  const TempFolder captures;
  const unsigned id = counter++;
  const std::filesystem::path outName = captures.Path() / ("out" + std::to_string(id));
  const std::filesystem::path errName = captures.Path() / ("err" + std::to_string(id));

  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const auto create = [&](const std::filesystem::path& name) {
    return CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  const HANDLE out = create(outName);
  const HANDLE err = create(errName);
  const HANDLE in = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inherited, OPEN_EXISTING, 0, nullptr);

  std::string commandLine = "\"" + program + "\"";
  for (const std::string& arg : args) {
    EXPECT_EQ(arg.find('"'), std::string::npos) << arg;
    commandLine += " \"" + arg + "\"";
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  ProgramRun run;
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      run.ExitCode = static_cast<int>(code);
    } else {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << "did not finish within a minute: " << commandLine;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
  }
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
  run.Out = WithoutCarriageReturns(ReadBytes(outName));
  run.Err = WithoutCarriageReturns(ReadBytes(errName));
  return run;
}

HeldFile::HeldFile(const std::filesystem::path& path)
    : m_handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldFile::~HeldFile() {
  Release();
}

void HeldFile::Release() {
  if (m_handle != INVALID_HANDLE_VALUE)
    CloseHandle(m_handle);
  m_handle = INVALID_HANDLE_VALUE;
}

}  // namespace fw::test
