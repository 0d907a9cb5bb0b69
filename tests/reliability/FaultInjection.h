#pragma once

// What the fault-injection tests share: folder snapshots and the realistic failures of each
// step of the file layer.

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw::test {

// Every file of a folder by name, with its bytes: two snapshots are equal only when no file was
// added (a temporary file left behind), removed or changed in any byte.
using Files = std::map<std::string, std::string>;

inline Files Snapshot(const TempFolder& folder) {
  Files files;
  for (const std::string& name : folder.Entries())
    files[name] = ReadBytes(folder.Path() / name);
  return files;
}

inline void Lay(const TempFolder& folder, const Files& files) {
  for (const auto& [name, bytes] : files)
    folder.Write(name, bytes);
}

// A step of the file layer, how its failure is described, and the errors it can meet.
struct StepFaults {
  FileStep Step;
  const char* What;
  std::vector<int> Errors;
};

// Disk full, permission denied, the target is a folder, its folder vanished, a device error.
inline const std::vector<StepFaults> kWriteSteps = {
    {FileStep::CreateTempFile, "cannot create", {ENOSPC, EACCES, ENOENT}},
    {FileStep::Write, "cannot write", {ENOSPC, EIO}},
    {FileStep::FlushAndClose, "cannot write", {ENOSPC, EIO}},
    {FileStep::ReplaceTarget, "cannot replace", {EACCES, EISDIR, ENOENT}},
};

// Reading an input or the source of a backup copy.
inline const StepFaults kReadStep{FileStep::ReadFile, "cannot read", {EACCES, EIO}};

}  // namespace fw::test
