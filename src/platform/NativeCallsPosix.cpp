#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>

#include "platform/LargeBlocks.h"
#include "platform/NativeCalls.h"

namespace fw::native {

fs::path ToPath(const std::string& name) {
  return fs::path(name);
}

fs::path FullPath(const fs::path& path) {
  std::error_code error;
  fs::path full = fs::absolute(path, error);
  return error ? path : full;
}

std::string FromPath(const fs::path& path) {
  return path.string();
}

int OpenForRead(const fs::path& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

int OpenNewFile(const fs::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

long long ReadSome(int fd, char* data, std::size_t size) {
  return ::read(fd, data, size);
}

bool ReadAt(int fd, std::uint64_t offset, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::pread(fd, data, size, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return false;
    data += got;
    size -= static_cast<std::size_t>(got);
    offset += static_cast<std::uint64_t>(got);
  }
  return true;
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

int RemoveFile(const fs::path& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

// Linux only; other systems leave the whole file to the flush.
#ifdef SYNC_FILE_RANGE_WRITE
void StartWriteBack(int fd, std::size_t justWritten) {
  constexpr off_t kChunk = off_t{8} << 20;
  const off_t end = ::lseek(fd, 0, SEEK_CUR);
  const off_t chunkEnd = end / kChunk * kChunk;
  if (end < 0 || chunkEnd <= end - static_cast<off_t>(justWritten))
    return;
  (void)::sync_file_range(fd, 0, chunkEnd, SYNC_FILE_RANGE_WRITE);
}
#else
void StartWriteBack(int, std::size_t) {}
#endif

#ifdef MAP_POPULATE
std::optional<ByteBuffer> MapWholeFile(int fd, long long size, Mapping mapping) {
  constexpr long long kWorthMapping = 64 << 10;
  if (size < kWorthMapping || static_cast<unsigned long long>(size) > SIZE_MAX)
    return std::nullopt;
  // Copies pay off for large files only, and each buffer that makes them holds its file open.
  constexpr long long kWorthCopying = 1 << 20;
  const auto length = static_cast<std::size_t>(size);
  const bool inPlace = mapping == Mapping::InPlace || size < kWorthCopying;
  void* mapped =
      ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | (inPlace ? MAP_POPULATE : 0), fd, 0);
  if (mapped == MAP_FAILED)
    return std::nullopt;
  return ByteBuffer::Adopt(
      static_cast<const char*>(mapped), length,
      [](const char* data, std::size_t extent, int file) noexcept {
        (void)::munmap(const_cast<char*>(data), extent);
        if (file >= 0)
          (void)::close(file);
      },
      inPlace ? -1 : fd);
}
#else
std::optional<ByteBuffer> MapWholeFile(int, long long, Mapping) {
  return std::nullopt;
}
#endif

bool OnlyNameOfAFile(const fs::path& path) {
  std::error_code error;
  const std::uintmax_t names = fs::hard_link_count(path, error);
  return !error && names == 1 && fs::is_regular_file(path, error);
}

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0)
    return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace fw::native

namespace fw {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t WholeHugePages(std::size_t bytes) {
  return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
  // Mapped with a huge page to spare, then cut to whole huge pages on their boundaries.
  const std::size_t length = WholeHugePages(bytes);
  void* mapped = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED)
    throw std::bad_alloc();
  char* const start = static_cast<char*>(mapped);
  const auto address = reinterpret_cast<std::uintptr_t>(start);
  const std::size_t head = (kHugePage - address % kHugePage) % kHugePage;
  char* const block = start + head;
  if (head != 0)
    (void)::munmap(start, head);
  (void)::munmap(block + length, kHugePage - head);
#ifdef MADV_HUGEPAGE
  (void)::madvise(block, length, MADV_HUGEPAGE);
#endif
  return block;
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
  (void)::munmap(block, WholeHugePages(bytes));
}

}  // namespace fw
