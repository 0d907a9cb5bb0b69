#include "dialog/frmShowFiles.h"
#include "records/OperationTable.h"
#include "settings/InputList.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

namespace fw {

void frmShowFiles::LoadInputFiles() {
  if (const std::string_view key = InfoOf(m_typeOfOperation).InputFilesKey; !key.empty())
    GetINIFile(key, 0);
}

void frmShowFiles::LoadOutputFile() {
  if (const std::string_view key = InfoOf(m_typeOfOperation).OutputFileKey; !key.empty())
    GetINIFile(key, 1);
}

void frmShowFiles::SaveInputFiles() {
  if (const std::string_view key = InfoOf(m_typeOfOperation).InputFilesKey; !key.empty())
    SaveINIFile(key, 0);
}

void frmShowFiles::SaveOutputFile() {
  if (const std::string_view key = InfoOf(m_typeOfOperation).OutputFileKey; !key.empty())
    SaveINIFile(key, 1);
}

void frmShowFiles::GetINIFile(std::string_view key, std::int32_t outputFlag) {
  const SettingsPaths paths = LocateSettings(m_app.ProgramFolder, m_app.UserSettingsFolder);
  const Result<SettingsFile> settings = SettingsFile::Load(m_app.Fs, paths.Read);
  if (!settings) {
    ShowFailure("GetINIFile", settings.error().Message);
    return;
  }
  if (outputFlag != 0) {
    m_view.SetText(DialogControl::txtOutputFile, settings.value().Get(kOutputFilesSection, key));
  } else {
    m_view.SetText(DialogControl::txtInputFiles,
                   DecodeInputList(settings.value().Get(kInputFilesSection, key)));
  }
}

void frmShowFiles::SaveINIFile(std::string_view key, std::int32_t outputFlag) {
  const SettingsPaths paths = LocateSettings(m_app.ProgramFolder, m_app.UserSettingsFolder);
  Result<SettingsFile> settings = SettingsFile::Load(m_app.Fs, paths.Read);
  if (!settings) {
    ShowFailure("SaveINIFile", settings.error().Message);
    return;
  }
  if (outputFlag != 0) {
    settings.value().Set(kOutputFilesSection, key, m_view.Text(DialogControl::txtOutputFile));
  } else {
    settings.value().Set(kInputFilesSection, key,
                         EncodeInputList(m_view.Text(DialogControl::txtInputFiles)));
  }
  // A folder without write access only means the names are not remembered; the operation
  // itself must not be held up by it.
  (void)settings.value().Save(m_app.Fs, paths.Write);
}

}  // namespace fw
