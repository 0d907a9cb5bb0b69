#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fw::test {

// A new empty folder, removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }

  // The full name of a file in the folder, as a program argument or a dialog box holds it.
  std::string Name(std::string_view file) const;

  // Writes bytes to a file in the folder and returns its full name.
  std::string Write(std::string_view file, std::string_view bytes) const;

  // The names of the folder's entries, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::filesystem::path m_path;
};

// The bytes of a file; fails the calling test when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Writes bytes to a file, replacing it.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace fw::test
