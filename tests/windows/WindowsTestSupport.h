#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace fw::test {

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
  for (const std::string& arg : args)
    command += " \"" + arg + "\"";
  command += " <NUL >\"" + streams.Name("out") + "\" 2>\"" + streams.Name("err") + "\"";
  // cmd.exe drops the outermost pair of quotes.
  ProgramRun run{std::system(("\"" + command + "\"").c_str()), ReadBytes(streams.Path() / "out"),
                 ReadBytes(streams.Path() / "err")};
  std::erase(run.Out, '\r');
  std::erase(run.Err, '\r');
  return run;
}

// Opens file the way an editor or a viewer holds one until CloseHandle: others may read it, but
// may neither write nor delete nor rename over it.
inline HANDLE Hold(const std::filesystem::path& file) {
  return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace fw::test
