#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Result.h"

namespace fw {

// The settings file's name in the program's folder.
inline constexpr std::string_view kSettingsFileName = "Fleetwright.ini";

// An initialization file of `[section]` lines and `key=value` lines with no blanks around "=".
// Section and key names match without regard to case; sections, keys and comments that the
// program does not use are kept as they are.
class SettingsFile {
 public:
  // The settings in the file at path; none when it does not exist. Fails when it exists but
  // cannot be read.
  static Result<SettingsFile> Load(FileSystem& fs, const std::string& path);

  SettingsFile();
  SettingsFile(SettingsFile&&) noexcept;
  SettingsFile& operator=(SettingsFile&&) noexcept;
  ~SettingsFile();

  // The value of key in section, whole; empty when the section or the key is missing.
  std::string Get(std::string_view section, std::string_view key) const;

  // Gives key in section the value, adding the section or the key where missing.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Writes the settings to path, replacing the file atomically and making its folder when missing;
  // fails when it cannot be written.
  Result<void> Save(FileSystem& fs, const std::string& path) const;

 private:
  struct Document;
  std::unique_ptr<Document> m_document;
};

}  // namespace fw
