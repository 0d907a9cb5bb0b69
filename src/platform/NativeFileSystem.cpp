#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/NativeCalls.h"

namespace fw {
namespace {

using namespace native;

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
    return Read(name, Mapping::InPlace);
  }

  Result<ByteBuffer> ReadFileInPieces(const std::string& name) override {
    return Read(name, Mapping::ForCopies);
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
    (void)RemoveFile(ToPath(file.Path));
  }

 private:
  static Result<ByteBuffer> Read(const std::string& name, Mapping mapping) {
    const fs::path path = ToPath(name);
    const int fd = OpenForRead(path);
    if (fd < 0)
      return IoFailure(errno == EISDIR ? "cannot read" : "cannot open", name, errno);
    long long expected = FileSizeOf(fd);
    if (expected < 0)
      expected = 0;
    if (auto mapped = MapWholeFile(fd, expected, mapping)) {
      if (!mapped->CanCopyOut())
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
};

}  // namespace

FileSystem& NativeFileSystem() {
  static Native native;
  return native;
}

bool ByteBuffer::CopyOut(std::size_t offset, char* to, std::size_t size) const {
  return m_file >= 0 && offset <= m_size && size <= m_size - offset &&
         native::ReadAt(m_file, offset, to, size);
}

}  // namespace fw
