#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace fw {

// Writes a file under a temporary name and puts it in place of its target only on Commit(), so a
// failure at any step leaves the target as it was and no temporary file behind. Output is
// gathered into large blocks: many small appends cost one write each megabyte, made by a
// background thread while the next block fills.
class AtomicFileWriter {
 public:
  // Starts a replacement of target; permissionsFrom as for FileSystem::CreateTempFile.
  static Result<AtomicFileWriter> Create(FileSystem& fs, const std::string& target,
                                         const std::string& permissionsFrom = {});

  AtomicFileWriter(AtomicFileWriter&& other) noexcept;
  AtomicFileWriter& operator=(AtomicFileWriter&&) = delete;
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  ~AtomicFileWriter();

  // Adds bytes to the file; fails when a block cannot be written.
  Result<void> Append(std::string_view bytes);

  // Adds count pieces in order. Piece k is made by fill(k, bytes), which puts at most most(k)
  // bytes at bytes and returns how many it put. Two threads fill pieces at once and each writes
  // its piece when the one before it is written, so the copying into the system's cache overlaps
  // the filling.
  Result<void> AppendPieces(std::size_t count, const std::function<std::size_t(std::size_t)>& most,
                            const std::function<std::size_t(std::size_t, char*)>& fill);

  // Writes what is left, flushes and replaces the target.
  Result<void> Commit();

 private:
  struct BackgroundWrites;

  AtomicFileWriter(FileSystem& fs, TempFile file);
  Result<void> WriteBlock();
  // Writes the block being filled and whatever the background thread holds.
  Result<void> WritePending();
  // Writes bytes in this thread.
  Result<void> WriteNow(std::string_view bytes);

  FileSystem* m_fs;
  TempFile m_file;
  std::string m_block;
  std::unique_ptr<BackgroundWrites> m_background;
  // Bytes handed over for writing so far: where the next write starts, once those before it end.
  std::uint64_t m_offset = 0;
  bool m_open = true;
};

// Replaces destination with a copy of source's bytes, atomically; a new destination gets
// source's permissions.
Result<void> CopyFileAtomically(FileSystem& fs, const std::string& source,
                                const std::string& destination);

// Replaces backup with source's bytes, atomically, where the file system allows by giving
// source's file the backup's name too: no byte is copied, and the backup keeps source's
// permissions and times. source must then be replaced, never rewritten in place, as an
// AtomicFileWriter does. Elsewhere it copies, as CopyFileAtomically.
Result<void> BackUpFile(FileSystem& fs, const std::string& source, const std::string& backup);

}  // namespace fw
