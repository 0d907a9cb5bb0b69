#pragma once

#include <string>
#include <string_view>

namespace fw {

// The platform's folder separator: a backslash on Windows, a slash elsewhere.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// The program's own folder, ending in exactly one separator.
std::string AppPath();

// folder with one separator appended unless it already ends in one (a drive's root "C:\").
std::string WithTrailingSeparator(std::string folder, char separator = kSeparator);

// name joined to the working folder when it is relative, as the system resolves it (on Windows
// "x.txt", "sub\\x.txt", "\\x.txt" and "C:x.txt" alike, and with forward slashes too); an absolute
// or empty name is returned as it is.
std::string AbsoluteName(const std::string& name);

// True when path names an existing file or folder; false for an empty, malformed or missing name.
bool FileExists(const std::string& path);

// Creates folder and the folders above it that are missing; true when it exists afterwards.
bool MakeFolders(const std::string& folder);

// The part of path before its last separator, with one separator appended when
// includeTrailingSeparator; empty when path holds no separator.
std::string GetFolder(std::string_view path, bool includeTrailingSeparator,
                      char separator = kSeparator);

}  // namespace fw
