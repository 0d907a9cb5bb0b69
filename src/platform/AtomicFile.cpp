#include "platform/AtomicFile.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/WorkBeside.h"

namespace fw {
namespace {
constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::size_t kPage = 4096;
}  // namespace

// A full block is written beside the caller while it fills the next one, so the copy into the
// system's cache overlaps the gathering of the output. Only one of the two threads calls the file
// system at any time: the caller waits for the block before any call of its own.
struct AtomicFileWriter::BackgroundWrites {
  std::string Block;     // the block being written
  Result<void> Written;  // the first failure, once there is one
  std::optional<WorkBeside> Writing;

  // Waits until no block is being written; returns the first failure so far.
  Result<void> Wait() {
    Writing.reset();
    return Written;
  }
};

Result<AtomicFileWriter> AtomicFileWriter::Create(FileSystem& fs, const std::string& target,
                                                  const std::string& permissionsFrom) {
  auto file = fs.CreateTempFile(target, permissionsFrom);
  if (!file)
    return file.error();
  return AtomicFileWriter(fs, std::move(file).value());
}

AtomicFileWriter::AtomicFileWriter(FileSystem& fs, TempFile file)
    : m_fs(&fs), m_file(std::move(file)), m_background(std::make_unique<BackgroundWrites>()) {
  m_block.reserve(kBlockSize);
}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : m_fs(other.m_fs), m_open(std::exchange(other.m_open, false)) {
  // The block being written refers to the other writer's file: it ends before the file moves.
  if (other.m_background)
    (void)other.m_background->Wait();
  m_file = std::move(other.m_file);
  m_block = std::move(other.m_block);
  m_background = std::move(other.m_background);
  m_offset = other.m_offset;
}

AtomicFileWriter::~AtomicFileWriter() {
  if (m_background)
    (void)m_background->Wait();
  if (m_open)
    m_fs->Discard(m_file);
}

Result<void> AtomicFileWriter::WriteBlock() {
  BackgroundWrites& background = *m_background;
  if (auto written = background.Wait(); !written)
    return written;
  std::swap(m_block, background.Block);
  m_offset += background.Block.size();
  background.Writing.emplace([&background, fs = m_fs, file = &m_file] {
    background.Written = fs->Write(*file, background.Block);
  });
  m_block.clear();
  if (m_block.capacity() < kBlockSize)
    m_block.reserve(kBlockSize);
  return {};
}

Result<void> AtomicFileWriter::Append(std::string_view bytes) {
  if (m_block.size() + bytes.size() > kBlockSize && !m_block.empty()) {
    if (auto written = WriteBlock(); !written)
      return written;
  }
  if (bytes.size() >= kBlockSize) {
    if (auto written = m_background->Wait(); !written)
      return written;
    // In slices, so that the disk can start on the first while the later ones are copied (a
    // whole file's copy, for a backup, would otherwise leave it all to the flush).
    constexpr std::size_t kSlice = std::size_t{8} << 20;
    for (; bytes.size() > kSlice; bytes.remove_prefix(kSlice)) {
      if (auto written = WriteNow(bytes.substr(0, kSlice)); !written)
        return written;
    }
    return WriteNow(bytes);
  }
  m_block.append(bytes);
  return {};
}

Result<void> AtomicFileWriter::WriteNow(std::string_view bytes) {
  m_offset += bytes.size();
  return m_fs->Write(m_file, bytes);
}

Result<void> AtomicFileWriter::WritePending() {
  if (auto written = m_background->Wait(); !written)
    return written;
  if (!m_block.empty()) {
    if (auto written = WriteNow(m_block); !written)
      return written;
    m_block.clear();
  }
  return {};
}

Result<void> AtomicFileWriter::AppendPieces(
    std::size_t count, const std::function<std::size_t(std::size_t)>& most,
    const std::function<std::size_t(std::size_t, char*)>& fill) {
  if (auto written = WritePending(); !written)
    return written;
  std::mutex mutex;
  std::condition_variable turnChanged;
  std::size_t nextFilled = 0;
  std::size_t nextWritten = 0;
  Result<void> written;
  // The system copies whole pages of the file fastest: each write ends on a page, and the bytes
  // after the last page end are carried, in the room kept before the next piece, into its write.
  std::array<char, kPage> carried{};
  std::size_t carriedSize = 0;
  // Takes pieces in order until none is left or a write failed.
  auto work = [&] {
    ByteBuffer piece;
    for (;;) {
      std::size_t k = 0;
      {
        std::lock_guard lock(mutex);
        if (nextFilled == count || !written)
          return;
        k = nextFilled++;
      }
      if (const std::size_t needed = kPage + most(k); needed > piece.size())
        piece = ByteBuffer(std::max(needed, 2 * piece.size()));
      char* const filled = piece.data() + kPage;
      const std::size_t size = fill(k, filled);
      std::unique_lock lock(mutex);
      turnChanged.wait(lock, [&] { return nextWritten == k; });
      if (written) {
        char* const start = filled - carriedSize;
        std::copy_n(carried.data(), carriedSize, start);
        std::string_view bytes(start, carriedSize + size);
        carriedSize = k + 1 == count
                          ? 0
                          : std::min(bytes.size(),
                                     static_cast<std::size_t>((m_offset + bytes.size()) % kPage));
        bytes.remove_suffix(carriedSize);
        std::copy_n(bytes.end(), carriedSize, carried.data());
        // Only the piece whose turn it is writes, so the file system is called by one thread
        // at a time; the lock is let go meanwhile so the other thread can take its next piece.
        lock.unlock();
        Result<void> result = bytes.empty() ? Result<void>() : WriteNow(bytes);
        lock.lock();
        written = std::move(result);
      }
      ++nextWritten;
      turnChanged.notify_all();
    }
  };
  WorkBeside helper(work, count > 1);
  work();
  helper.Wait();
  return written;
}

Result<void> AtomicFileWriter::Commit() {
  if (auto written = WritePending(); !written)
    return written;
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

Result<void> BackUpFile(FileSystem& fs, const std::string& source, const std::string& backup) {
  auto linked = fs.LinkTempFile(source, backup);
  if (!linked) {
    // No second name to be had: a copy meets any failure that concerns the backup itself.
    return CopyFileAtomically(fs, source, backup);
  }
  if (auto replaced = fs.ReplaceTarget(linked.value()); !replaced) {
    fs.Discard(linked.value());
    return replaced;
  }
  return {};
}

}  // namespace fw
