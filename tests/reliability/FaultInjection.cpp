#include "FaultInjection.h"

namespace fw::test {

Files Snapshot(const TempFolder& folder) {
  Files files;
  for (const std::string& name : folder.Entries())
    files[name] = ReadBytes(folder.Path() / name);
  return files;
}

void Lay(const TempFolder& folder, const Files& files) {
  for (const auto& [name, bytes] : files)
    folder.Write(name, bytes);
}

}  // namespace fw::test
