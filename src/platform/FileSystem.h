#pragma once

// The seam through which the processing core reaches the file system. Everything the core reads
// or writes passes here, so that tests can make any single step fail (see FaultyFileSystem in the
// tests) and check that no file is left half written.
//
// Calls come from one thread at a time, with one exception: where MayBeOneFile says two files are
// apart, one thread may read one of them while another writes the other.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ByteBuffer.h"
#include "platform/Result.h"

namespace fw {

// A file being written under a temporary name in the folder of the file it will replace.
struct TempFile {
  std::string Path;    // the temporary file
  std::string Target;  // the file it will replace, symbolic links resolved
  std::string Shown;   // the target's name as the user gave it, for messages
  std::intptr_t Handle = -1;
  // The target exists under this one name: the rename leaves its bytes nowhere, so the new bytes
  // must be on the disk before they take its place. A new target, or one whose bytes another
  // name keeps (as a number change's backup does), is replaced without that wait.
  bool FlushFirst = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole content of the file; fails with `cannot open "NAME": reason` or `cannot read ...`.
  virtual Result<ByteBuffer> ReadFile(const std::string& path) = 0;

  // As ReadFile, for a file to be read mostly a piece at a time through copies
  // (ByteBuffer::CopyOut) where the buffer can make them, as this default's cannot.
  virtual Result<ByteBuffer> ReadFileInPieces(const std::string& path) { return ReadFile(path); }

  // Creates an empty temporary file beside target. It gets target's permissions when target
  // exists, else those of permissionsFrom when that is not empty, else a new file's defaults.
  // Fails for a target that nobody may write to (`cannot write "NAME": Permission denied`).
  virtual Result<TempFile> CreateTempFile(const std::string& target,
                                          const std::string& permissionsFrom) = 0;

  // Gives the file source a second, temporary name beside target, as CreateTempFile would make,
  // so that ReplaceTarget puts that very file in place of target. Fails like CreateTempFile, and
  // where the file system has no second names (this default) or source is on another one.
  virtual Result<TempFile> LinkTempFile(const std::string& source, const std::string& target) {
    (void)source;
    return IoError("cannot create " + Quoted(target) + ": files cannot have two names here");
  }

  // Whether replacing one of the files may change what reading the other gives: true when they
  // are one file under any names (symbolic links followed), and whenever that cannot be told, as
  // in this default.
  virtual bool MayBeOneFile(const std::string& a, const std::string& b) {
    (void)a;
    (void)b;
    return true;
  }

  // Appends bytes; fails with `cannot write "TARGET": reason`.
  virtual Result<void> Write(TempFile& file, std::string_view bytes) = 0;

  // Closes the file; first makes the written bytes durable when FlushFirst is set.
  virtual Result<void> FlushAndClose(TempFile& file) = 0;

  // Puts the closed temporary file in place of its target in one step.
  virtual Result<void> ReplaceTarget(TempFile& file) = 0;

  // Closes the temporary file if it is open and removes it; never fails.
  virtual void Discard(TempFile& file) noexcept = 0;
};

// The operating system's file system.
FileSystem& NativeFileSystem();

}  // namespace fw
