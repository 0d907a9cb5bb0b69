#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

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
#ifdef _WIN32
  // In the system's code page both ways, as the user's arguments and the file routines have it.
  const int size = static_cast<int>(name.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide.data(), size)));
  const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0)
    return name;
  std::wstring full(needed, L'\0');
  full.resize(GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr));
  const int fullSize = static_cast<int>(full.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, full.data(), fullSize, nullptr, 0, nullptr, nullptr);
  std::string absolute(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, full.data(), fullSize, absolute.data(), length, nullptr, nullptr);
  return absolute;
#else
  if (name.front() == '/')
    return name;
  std::error_code error;
  const std::string working = std::filesystem::current_path(error).string();
  return error ? name : WithTrailingSeparator(working) + name;
#endif
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
