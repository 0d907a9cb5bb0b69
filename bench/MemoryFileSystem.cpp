#include "bench/MemoryFileSystem.h"

#include <cstring>

namespace fw::bench {

Result<ByteBuffer> MemoryFileSystem::ReadFile(const std::string& name) {
  const auto found = m_files.find(name);
  if (found == m_files.end())
    return IoError("cannot open " + Quoted(name) + ": No such file or directory");
  ByteBuffer bytes(found->second.size());
  if (!found->second.empty())
    std::memcpy(bytes.data(), found->second.data(), found->second.size());
  return bytes;
}

Result<TempFile> MemoryFileSystem::CreateTempFile(const std::string& target, const std::string&) {
  return TempFile{target + ".tmp", target, target, 1};
}

Result<void> MemoryFileSystem::Write(TempFile&, std::string_view bytes) {
  m_written += bytes.size();
  return {};
}

}  // namespace fw::bench
