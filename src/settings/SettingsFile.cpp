#include "settings/SettingsFile.h"

// Bytes pass through unconverted: names are 8-bit text in the system's encoding.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace fw {

struct SettingsFile::Document {
  // Names in any case, one value per key, values on one line.
  CSimpleIniA Ini{/*a_bIsUtf8=*/false, /*a_bMultiKey=*/false, /*a_bMultiLine=*/false};
};

SettingsFile::SettingsFile() : m_document(std::make_unique<Document>()) {
  m_document->Ini.SetSpaces(false);
}
SettingsFile::SettingsFile(SettingsFile&&) noexcept = default;
SettingsFile& SettingsFile::operator=(SettingsFile&&) noexcept = default;
SettingsFile::~SettingsFile() = default;

Result<SettingsFile> SettingsFile::Load(FileSystem& fs, const std::string& path) {
  SettingsFile settings;
  if (!FileExists(path))
    return settings;
  Result<ByteBuffer> bytes = fs.ReadFile(path);
  if (!bytes)
    return bytes.error();
  if (bytes.value().size() != 0 &&
      settings.m_document->Ini.LoadData(bytes.value().data(), bytes.value().size()) < 0) {
    return FormatError("cannot read the settings in " + Quoted(path));
  }
  return settings;
}

std::string SettingsFile::Get(std::string_view section, std::string_view key) const {
  const char* value =
      m_document->Ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), "");
  return value == nullptr ? std::string() : std::string(value);
}

void SettingsFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  m_document->Ini.SetValue(std::string(section).c_str(), std::string(key).c_str(),
                           std::string(value).c_str());
}

Result<void> SettingsFile::Save(FileSystem& fs, const std::string& path) const {
  std::string text;
  if (m_document->Ini.Save(text) < 0)
    return FormatError("cannot write the settings of " + Quoted(path));
  // A user's own settings folder is made on the first save.
  (void)MakeFolders(GetFolder(path, false));
  Result<AtomicFileWriter> writer = AtomicFileWriter::Create(fs, path);
  if (!writer)
    return writer.error();
  if (Result<void> appended = writer.value().Append(text); !appended)
    return appended;
  return writer.value().Commit();
}

}  // namespace fw
