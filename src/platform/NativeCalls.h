#pragma once

// The operating system's calls that NativeFileSystem is made of, one file per system:
// NativeCallsPosix.cpp and NativeCallsWindows.cpp. Functions that return an int give 0 or the
// error number (errno's meaning) unless they say otherwise; those that return a file descriptor
// give -1 and set errno on failure.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/ByteBuffer.h"

namespace fw::native {

namespace fs = std::filesystem;

// The path of a name given as 8-bit text, as the user's files and dialogs give names.
fs::path ToPath(const std::string& name);

// The inverse of ToPath.
std::string FromPath(const fs::path& path);

// path made absolute as the system resolves names against the working folder (on Windows also
// "C:x", "\\x" and forward slashes); path itself when that fails.
fs::path FullPath(const fs::path& path);

// An open descriptor for reading path; a folder fails with EISDIR, here or on the first read.
int OpenForRead(const fs::path& path);

// An open descriptor for writing a new file at path; fails with EEXIST when path is taken.
int OpenNewFile(const fs::path& path);

// How many bytes were read (0 at the end) or written; -1 with errno on failure.
long long ReadSome(int fd, char* data, std::size_t size);
long long WriteSome(int fd, const char* data, std::size_t size);

// Reads size bytes of the file from offset on, whatever its position; false when they cannot
// all be read. Only files that ByteBuffers hold (see Mapping::ForCopies) are read so.
bool ReadAt(int fd, std::uint64_t offset, char* data, std::size_t size);

// 0, or -1 with errno on failure.
int CloseFile(int fd);
int SyncFile(int fd);

// The file's size in bytes; 0 for what is not a regular file, -1 when it cannot be told.
long long FileSizeOf(int fd);

// Gives the open file fd the permissions (on Windows: the attributes a rename would drop) of
// target, or of permissionsFrom when target does not exist; does nothing when neither does.
void CopyPermissions(int fd, const fs::path& target, const fs::path& permissionsFrom);

// Gives the file existing (a symbolic link followed) the second name link.
int LinkFile(const fs::path& existing, const fs::path& link);

// Renames from to to, replacing to in one step.
int RenameOver(const fs::path& from, const fs::path& to);

// Removes the file's name path.
int RemoveFile(const fs::path& path);

// Sends what was written so far on to the disk in the background, every few megabytes, so that
// the flush before the rename waits for the last few megabytes only, not for the whole file.
void StartWriteBack(int fd, std::size_t justWritten);

// How the bytes of a mapped file are to be read.
enum class Mapping {
  // In place: every page is brought in at once, as each would otherwise cost a fault.
  InPlace,
  // Mostly through copies (ByteBuffer::CopyOut): pages are brought in only where the bytes are
  // read in place, and the buffer takes over fd for the copies. Files under 1 MiB are mapped
  // in place all the same.
  ForCopies,
};

// The file's bytes mapped read-only from the system's cache, which spares both the copy and the
// fresh memory a heap buffer would cost; nothing when the file cannot or need not be mapped. The
// mapping holds the file's content as it was even after the file is replaced by rename.
std::optional<ByteBuffer> MapWholeFile(int fd, long long size, Mapping mapping);

// Whether path names an existing file that has no other name.
bool OnlyNameOfAFile(const fs::path& path);

// What tells one file from another: its volume and its number there.
struct FileIdentity {
  std::uint64_t Volume = 0;
  std::uint64_t Index = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file path names, symbolic links followed; nothing when it cannot be told.
std::optional<FileIdentity> IdentityOf(const fs::path& path);

}  // namespace fw::native
