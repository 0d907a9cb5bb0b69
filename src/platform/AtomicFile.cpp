#include "platform/AtomicFile.h"

#include <utility>

namespace fw {
namespace {
constexpr std::size_t kBlockSize = 1 << 20;
}

Result<AtomicFileWriter> AtomicFileWriter::Create(FileSystem& fs, const std::string& target,
                                                  const std::string& permissionsFrom) {
  auto file = fs.CreateTempFile(target, permissionsFrom);
  if (!file)
    return file.error();
  return AtomicFileWriter(fs, std::move(file).value());
}

AtomicFileWriter::AtomicFileWriter(FileSystem& fs, TempFile file)
    : m_fs(&fs), m_file(std::move(file)) {
  m_block.reserve(kBlockSize);
}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : m_fs(other.m_fs),
      m_file(std::move(other.m_file)),
      m_block(std::move(other.m_block)),
      m_open(std::exchange(other.m_open, false)) {}

AtomicFileWriter::~AtomicFileWriter() {
  if (m_open)
    m_fs->Discard(m_file);
}

Result<void> AtomicFileWriter::WriteBlock() {
  auto written = m_fs->Write(m_file, m_block);
  m_block.clear();
  return written;
}

Result<void> AtomicFileWriter::Append(std::string_view bytes) {
  if (m_block.size() + bytes.size() > kBlockSize && !m_block.empty()) {
    if (auto written = WriteBlock(); !written)
      return written;
  }
  if (bytes.size() >= kBlockSize)
    return m_fs->Write(m_file, bytes);
  m_block.append(bytes);
  return {};
}

Result<void> AtomicFileWriter::Commit() {
  if (!m_block.empty()) {
    if (auto written = WriteBlock(); !written)
      return written;
  }
  if (auto flushed = m_fs->FlushAndClose(m_file); !flushed)
    return flushed;
  if (auto replaced = m_fs->ReplaceTarget(m_file); !replaced)
    return replaced;
  m_open = false;
  return {};
}

Result<void> CopyFileAtomically(FileSystem& fs, const std::string& source,
                                const std::string& destination) {
  auto bytes = fs.ReadFile(source);
  if (!bytes)
    return bytes.error();
  auto writer = AtomicFileWriter::Create(fs, destination, source);
  if (!writer)
    return writer.error();
  if (auto appended = writer.value().Append(bytes.value().view()); !appended)
    return appended;
  return writer.value().Commit();
}

}  // namespace fw
