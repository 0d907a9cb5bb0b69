#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

#include "platform/NativeCalls.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fw {
namespace {

std::string ExecutableFolder() {
#ifdef _WIN32
  char buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string path(buffer, length);
  const std::size_t last = path.find_last_of('\\');
  if (last == std::string::npos)
    return path;
  // The platform reports a drive's root folder with its backslash (C:\), any other without.
  return last == 2 && path[1] == ':' ? path.substr(0, 3) : path.substr(0, last);
#else
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return std::filesystem::current_path(error).string();
  return executable.parent_path().string();
#endif
}

}  // namespace

std::string WithTrailingSeparator(std::string folder, char separator) {
  if (folder.empty() || folder.back() != separator)
    folder += separator;
  return folder;
}

std::string AppPath() {
  return WithTrailingSeparator(ExecutableFolder());
}

std::string AbsoluteName(const std::string& name) {
  if (name.empty())
    return name;
  // In the code page both ways, as the file routines take names.
  return native::FromPath(native::FullPath(native::ToPath(name)));
}

bool FileExists(const std::string& path) {
  if (path.empty())
    return false;
#ifdef _WIN32
  // The attribute query itself, with the name in the system's code page as the user typed it;
  // std::filesystem would read the 8-bit name as another encoding. A NUL would cut the name short.
  return path.find('\0') == std::string::npos &&
         GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  std::error_code error;
  const auto status = std::filesystem::status(std::filesystem::path(path), error);
  return !error && std::filesystem::exists(status);
#endif
}

bool MakeFolders(const std::string& folder) {
  if (folder.empty() || FileExists(folder))
    return !folder.empty();
#ifdef _WIN32
  // Each level in turn, with names in the system's code page as FileExists reads them.
  for (std::size_t at = folder.find_first_of("\\/", 3); at != std::string::npos;
       at = folder.find_first_of("\\/", at + 1))
    CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
#else
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(folder), error);
#endif
  return FileExists(folder);
}

std::string GetFolder(std::string_view path, bool includeTrailingSeparator, char separator) {
  const std::size_t last = path.rfind(separator);
  if (last == std::string_view::npos)
    return {};
  std::string folder(path.substr(0, last));
  if (includeTrailingSeparator)
    folder += separator;
  return folder;
}

}  // namespace fw
