#pragma once

#include <map>
#include <string>

#include "platform/FileSystem.h"

namespace fw::bench {

// Files held in memory; what is written is counted and dropped, so that the files stay as they
// were for the next iteration of a benchmark and the disk plays no part in the figures.
class MemoryFileSystem final : public FileSystem {
 public:
  void Put(const std::string& name, std::string bytes) { m_files[name] = std::move(bytes); }
  std::size_t BytesWritten() const { return m_written; }

  Result<ByteBuffer> ReadFile(const std::string& name) override;
  Result<TempFile> CreateTempFile(const std::string& target, const std::string&) override;
  Result<void> Write(TempFile&, std::string_view bytes) override;
  Result<void> FlushAndClose(TempFile&) override { return {}; }
  Result<void> ReplaceTarget(TempFile&) override { return {}; }
  void Discard(TempFile&) noexcept override {}

 private:
  std::map<std::string, std::string> m_files;
  std::size_t m_written = 0;
};

}  // namespace fw::bench
