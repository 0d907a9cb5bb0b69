#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>

#include "platform/LargeBlocks.h"
#include "platform/NativeCalls.h"

namespace fw::native {
namespace {

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

// Makes the call, again while another program holds a file it needs: virus scanners and indexers
// open new files for a moment, and a file open without FILE_SHARE_DELETE can be neither renamed
// nor removed. Returns 0 or the error number.
template <typename Call>
int WhileHeld(Call call) {
  constexpr int kAttempts = 10;
  for (int attempt = 1;; ++attempt) {
    if (call())
      return 0;
    const DWORD code = GetLastError();
    const bool held = code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION ||
                      code == ERROR_ACCESS_DENIED;
    if (!held || attempt == kAttempts)
      return ErrnoOf(code);
    Sleep(50);
  }
}

// The runtime's calls take at most this many bytes at once.
unsigned Portion(std::size_t size) {
  return static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size);
}

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

}  // namespace

fs::path ToPath(const std::string& name) {
  // Names are 8-bit text in the system's code page, as the user's files and dialogs give them.
  const int size = static_cast<int>(name.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, name.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide.data(), length);
  return fs::path(wide);
}

// path::string() would give UTF-8, which ToPath would misread.
std::string FromPath(const fs::path& path) {
  const std::wstring& wide = path.native();
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string name(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, name.data(), length, nullptr, nullptr);
  return name;
}

fs::path FullPath(const fs::path& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0)
    return path;
  std::wstring full(needed, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), needed, full.data(), nullptr));
  return fs::path(full);
}

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
  return _read(fd, data, Portion(size));
}

// No file is mapped here (see MapWholeFile), so no buffer has a file to read from.
bool ReadAt(int, std::uint64_t, char*, std::size_t) {
  return false;
}

long long WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, Portion(size));
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

int LinkFile(const fs::path& existing, const fs::path& link) {
  return CreateHardLinkW(link.c_str(), existing.c_str(), nullptr) ? 0 : ErrnoOf(GetLastError());
}

int RenameOver(const fs::path& from, const fs::path& to) {
  return WhileHeld([&] {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  });
}

int RemoveFile(const fs::path& path) {
  return WhileHeld([&] { return DeleteFileW(path.c_str()); });
}

// The flush that follows is the system's own business here.
void StartWriteBack(int, std::size_t) {}

// Windows cannot replace a file while a view of it is open, and outputs may replace inputs.
std::optional<ByteBuffer> MapWholeFile(int, long long, Mapping) {
  return std::nullopt;
}

bool OnlyNameOfAFile(const fs::path& path) {
  const auto information = InformationOf(path);
  return information && information->nNumberOfLinks == 1 &&
         (information->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
  const auto information = InformationOf(path);
  if (!information)
    return std::nullopt;
  return FileIdentity{
      information->dwVolumeSerialNumber,
      (std::uint64_t{information->nFileIndexHigh} << 32) | information->nFileIndexLow};
}

}  // namespace fw::native

namespace fw {

// Huge pages on Windows need a privilege users do not have: the heap it is.
void* AllocateLargeBlock(std::size_t bytes) {
  return ::operator new(bytes);
}

void FreeLargeBlock(void* block, std::size_t) noexcept {
  ::operator delete(block);
}

}  // namespace fw
