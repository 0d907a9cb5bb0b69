#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#include "platform/FileSystem.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fw {
namespace {

namespace fs = std::filesystem;

std::string SystemReason(int error) {
  return std::generic_category().message(error);
}

Error IoFailure(std::string_view what, std::string_view name, int error) {
  std::string message(what);
  message += ' ';
  message += Quoted(name);
  message += ": ";
  message += SystemReason(error);
  return IoError(std::move(message));
}

fs::path ToPath(const std::string& name) {
#ifdef _WIN32
  // Names are 8-bit text in the system's code page, as the user's files and dialogs give them.
  int length =
      MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), length);
  return fs::path(wide);
#else
  return fs::path(name);
#endif
}

// The inverse of ToPath. On Windows path::string() gives UTF-8, which ToPath would misread.
std::string FromPath(const fs::path& path) {
#ifdef _WIN32
  const std::wstring& wide = path.native();
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string name(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, name.data(), length, nullptr, nullptr);
  return name;
#else
  return path.string();
#endif
}

// A name in the target's folder that no other writer will choose.
fs::path TempNameBeside(const fs::path& target) {
  static thread_local std::mt19937_64 random(
      std::random_device{}() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".fw-%016llx.tmp",
                static_cast<unsigned long long>(random()));
  fs::path folder = target.parent_path();
  fs::path name = target.filename();
  name += suffix;
  return folder.empty() ? name : folder / name;
}

// A file nobody may write to: the user protected it, so it must not be replaced either, although
// the folder would let a rename do it.
bool IsWriteProtected(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return !error && fs::is_regular_file(status) &&
         (status.permissions() & kWrite) == fs::perms::none;
}

#ifdef _WIN32
int OpenForRead(const fs::path& path) {
  const int fd = _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
  // Windows refuses to open a folder with "Permission denied"; say what is wrong, as POSIX does.
  if (fd < 0 && errno == EACCES) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      errno = EISDIR;
  }
  return fd;
}
int OpenNewFile(const fs::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long long ReadSome(int fd, char* data, std::size_t size) {
  return _read(fd, data, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
}
long long WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
}
int CloseFile(int fd) {
  return _close(fd);
}
int SyncFile(int fd) {
  return _commit(fd);
}
long long FileSizeOf(int fd) {
  struct _stat64 info;
  return _fstat64(fd, &info) == 0 ? info.st_size : -1;
}
void CopyPermissions(int fd, const fs::path& target, const fs::path& permissionsFrom) {
  // MoveFileEx puts the new file in place with its own attributes, so a hidden or system target
  // would lose them. Read-only is not carried: a read-only temporary file could not be removed.
  constexpr DWORD kCarried =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES && !permissionsFrom.empty())
    attributes = GetFileAttributesW(permissionsFrom.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kCarried) == 0)
    return;
  FILE_BASIC_INFO info{};  // zero times are left as they are
  info.FileAttributes = (attributes & kCarried) | FILE_ATTRIBUTE_ARCHIVE;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  (void)SetFileInformationByHandle(handle, FileBasicInfo, &info, sizeof info);
}
int ErrnoOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    default:
      return EIO;
  }
}
int LinkFile(const fs::path& existing, const fs::path& link) {
  return CreateHardLinkW(link.c_str(), existing.c_str(), nullptr) ? 0 : ErrnoOf(GetLastError());
}
int RenameOver(const fs::path& from, const fs::path& to) {
  // Virus scanners and indexers open new files for a moment; wait briefly for them to let go.
  constexpr int kAttempts = 10;
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return 0;
    const DWORD code = GetLastError();
    const bool held = code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
                      code == ERROR_ACCESS_DENIED;
    if (!held || attempt == kAttempts)
      return ErrnoOf(code);
    Sleep(50);
  }
}
#else
int OpenForRead(const fs::path& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}
int OpenNewFile(const fs::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long long ReadSome(int fd, char* data, std::size_t size) {
  return ::read(fd, data, size);
}
long long WriteSome(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}
int CloseFile(int fd) {
  return ::close(fd);
}
int SyncFile(int fd) {
  return ::fsync(fd);
}
long long FileSizeOf(int fd) {
  struct stat info;
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? info.st_size : 0;
}
void CopyPermissions(int fd, const fs::path& target, const fs::path& permissionsFrom) {
  struct stat info;
  if (::stat(target.c_str(), &info) == 0 ||
      (!permissionsFrom.empty() && ::stat(permissionsFrom.c_str(), &info) == 0)) {
    (void)::fchmod(fd, info.st_mode & 07777);
  }
}
int LinkFile(const fs::path& existing, const fs::path& link) {
  // The file a symbolic link names, as a copy would read it.
  return ::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, link.c_str(), AT_SYMLINK_FOLLOW) == 0
             ? 0
             : errno;
}
int RenameOver(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
#endif

// Sends what was written so far on to the disk in the background, every few megabytes, so that
// the flush before the rename waits for the last few megabytes only, not for the whole file.
void StartWriteBack(int fd, std::size_t justWritten) {
#ifdef SYNC_FILE_RANGE_WRITE
  constexpr off_t kChunk = off_t{8} << 20;
  const off_t end = ::lseek(fd, 0, SEEK_CUR);
  const off_t chunkEnd = end / kChunk * kChunk;
  if (end < 0 || chunkEnd <= end - static_cast<off_t>(justWritten))
    return;
  (void)::sync_file_range(fd, 0, chunkEnd, SYNC_FILE_RANGE_WRITE);
#else
  (void)fd;
  (void)justWritten;
#endif
}

// The file's bytes mapped read-only from the system's cache, which spares both the copy and the
// fresh memory a heap buffer would cost; nothing when the file cannot be mapped. The mapping holds
// the file's content as it was even after the file is replaced by rename, as outputs are.
std::optional<ByteBuffer> MapWholeFile(int fd, long long size) {
#if defined(_WIN32) || !defined(MAP_POPULATE)
  // Windows cannot replace a file while a view of it is open, and outputs may replace inputs.
  (void)fd;
  (void)size;
  return std::nullopt;
#else
  constexpr long long kWorthMapping = 64 << 10;
  if (size < kWorthMapping || static_cast<unsigned long long>(size) > SIZE_MAX)
    return std::nullopt;
  const auto length = static_cast<std::size_t>(size);
  void* mapped = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  if (mapped == MAP_FAILED)
    return std::nullopt;
  return ByteBuffer::Adopt(static_cast<const char*>(mapped), length,
                           [](const char* data, std::size_t extent) noexcept {
                             (void)::munmap(const_cast<char*>(data), extent);
                           });
#endif
}

// The file that replacing target puts the new one in place of: a symbolic link's file rather
// than the link. Fails for a file nobody may write to.
Result<fs::path> PathToReplace(const std::string& target) {
  fs::path targetPath = ToPath(target);
  std::error_code ignored;
  if (fs::is_symlink(targetPath, ignored)) {
    fs::path resolved = fs::canonical(targetPath, ignored);
    if (!ignored)
      targetPath = resolved;
  }
  if (IsWriteProtected(targetPath))
    return IoFailure("cannot write", target, EACCES);
  return targetPath;
}

#ifdef _WIN32
// The file's own information, symbolic links followed (the runtime's stat leaves out the link
// count and the file number).
std::optional<BY_HANDLE_FILE_INFORMATION> InformationOf(const fs::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(file, &information) != 0;
  CloseHandle(file);
  if (!known)
    return std::nullopt;
  return information;
}
#endif

// Whether path names an existing file that has no other name.
bool OnlyNameOfAFile(const fs::path& path) {
#ifdef _WIN32
  const auto information = InformationOf(path);
  return information && information->nNumberOfLinks == 1 &&
         (information->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
  std::error_code error;
  const std::uintmax_t names = fs::hard_link_count(path, error);
  return !error && names == 1 && fs::is_regular_file(path, error);
#endif
}

// What tells one file from another: its volume and its number there.
struct FileIdentity {
  std::uint64_t Volume = 0;
  std::uint64_t Index = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
#ifdef _WIN32
  const auto information = InformationOf(path);
  if (!information)
    return std::nullopt;
  return FileIdentity{
      information->dwVolumeSerialNumber,
      (std::uint64_t{information->nFileIndexHigh} << 32) | information->nFileIndexLow};
#else
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0)
    return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
#endif
}

// How making a temporary file went: the file's handle, if it was opened, or the error number.
struct Made {
  int Error = 0;
  std::intptr_t Handle = -1;
};

// Makes a temporary file beside targetPath with make(tempPath); a name already taken is tried
// again with another.
template <typename Make>
Result<TempFile> MakeTempBeside(const std::string& target, const fs::path& targetPath, Make make) {
  for (int attempt = 0;; ++attempt) {
    const fs::path tempPath = TempNameBeside(targetPath);
    const Made made = make(tempPath);
    if (made.Error == 0) {
      return TempFile{FromPath(tempPath), FromPath(targetPath), target, made.Handle,
                      OnlyNameOfAFile(targetPath)};
    }
    if (made.Error != EEXIST || attempt == 100)
      return IoFailure("cannot create", target, made.Error);
  }
}

class Native final : public FileSystem {
 public:
  Result<ByteBuffer> ReadFile(const std::string& name) override {
    const fs::path path = ToPath(name);
    const int fd = OpenForRead(path);
    if (fd < 0)
      return IoFailure(errno == EISDIR ? "cannot read" : "cannot open", name, errno);
    long long expected = FileSizeOf(fd);
    if (expected < 0)
      expected = 0;
    if (auto mapped = MapWholeFile(fd, expected)) {
      CloseFile(fd);
      return std::move(*mapped);
    }
    // One extra byte shows whether the file grew since its size was taken.
    ByteBuffer buffer(static_cast<std::size_t>(expected) + 1);
    std::size_t filled = 0;
    for (;;) {
      if (filled == buffer.size()) {
        ByteBuffer larger(buffer.size() * 2);
        std::memcpy(larger.data(), buffer.data(), filled);
        buffer = std::move(larger);
      }
      const long long got = ReadSome(fd, buffer.data() + filled, buffer.size() - filled);
      if (got < 0) {
        if (errno == EINTR)
          continue;
        const int error = errno;
        CloseFile(fd);
        return IoFailure("cannot read", name, error);
      }
      if (got == 0)
        break;
      filled += static_cast<std::size_t>(got);
    }
    CloseFile(fd);
    buffer.Truncate(filled);
    return buffer;
  }

  Result<TempFile> CreateTempFile(const std::string& target,
                                  const std::string& permissionsFrom) override {
    auto targetPath = PathToReplace(target);
    if (!targetPath)
      return targetPath.error();
    return MakeTempBeside(target, targetPath.value(), [&](const fs::path& tempPath) {
      const int fd = OpenNewFile(tempPath);
      if (fd < 0)
        return Made{errno};
      CopyPermissions(fd, targetPath.value(),
                      permissionsFrom.empty() ? fs::path() : ToPath(permissionsFrom));
      return Made{0, fd};
    });
  }

  Result<TempFile> LinkTempFile(const std::string& source, const std::string& target) override {
    auto targetPath = PathToReplace(target);
    if (!targetPath)
      return targetPath.error();
    const fs::path sourcePath = ToPath(source);
    return MakeTempBeside(target, targetPath.value(), [&](const fs::path& tempPath) {
      return Made{LinkFile(sourcePath, tempPath)};
    });
  }

  bool MayBeOneFile(const std::string& a, const std::string& b) override {
    const auto first = IdentityOf(ToPath(a));
    const auto second = IdentityOf(ToPath(b));
    return !first || !second || *first == *second;
  }

  Result<void> Write(TempFile& file, std::string_view bytes) override {
    const std::size_t size = bytes.size();
    while (!bytes.empty()) {
      const long long written =
          WriteSome(static_cast<int>(file.Handle), bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR)
          continue;
        return IoFailure("cannot write", file.Shown, errno);
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (file.FlushFirst)
      StartWriteBack(static_cast<int>(file.Handle), size);
    return {};
  }

  Result<void> FlushAndClose(TempFile& file) override {
    const int fd = static_cast<int>(file.Handle);
    file.Handle = -1;
    // A crash can then cost only bytes that the untouched inputs or another name of the old file
    // still hold; the wait for the disk would be a large part of the operation's time.
    const int synced = !file.FlushFirst || SyncFile(fd) == 0 ? 0 : errno;
    const int closed = CloseFile(fd) == 0 ? 0 : errno;
    if (synced != 0 || closed != 0) {
      return IoFailure("cannot write", file.Shown, synced != 0 ? synced : closed);
    }
    return {};
  }

  Result<void> ReplaceTarget(TempFile& file) override {
    const int error = RenameOver(ToPath(file.Path), ToPath(file.Target));
    if (error != 0)
      return IoFailure("cannot replace", file.Shown, error);
    return {};
  }

  void Discard(TempFile& file) noexcept override {
    if (file.Handle >= 0) {
      CloseFile(static_cast<int>(file.Handle));
      file.Handle = -1;
    }
    std::error_code ignored;
    fs::remove(ToPath(file.Path), ignored);
  }
};

}  // namespace

FileSystem& NativeFileSystem() {
  static Native native;
  return native;
}

}  // namespace fw
