#include <QLineEdit>

#include "dialog/FileDropBoxes.h"
#include "dialog/frmShowFiles.h"
#include "platform/qt/QtText.h"
#include "records/OperationTable.h"
#include "settings/InputList.h"
#include "settings/SettingsFile.h"

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
  const Result<SettingsFile> settings = SettingsFile::Load(m_services.Fs, SettingsPath());
  if (!settings) {
    ShowFailure("GetINIFile", settings.error().Message);
    return;
  }
  if (outputFlag != 0) {
    txtOutputFile->setText(ToQString(settings.value().Get(kOutputFilesSection, key)));
  } else {
    SetInputFilesText(DecodeInputList(settings.value().Get(kInputFilesSection, key)));
  }
}

void frmShowFiles::SaveINIFile(std::string_view key, std::int32_t outputFlag) {
  Result<SettingsFile> settings = SettingsFile::Load(m_services.Fs, SettingsPath());
  if (!settings) {
    ShowFailure("SaveINIFile", settings.error().Message);
    return;
  }
  if (outputFlag != 0) {
    settings.value().Set(kOutputFilesSection, key, FromQString(txtOutputFile->text()));
  } else {
    settings.value().Set(kInputFilesSection, key, EncodeInputList(InputFilesText()));
  }
  // A program folder without write access only means the names are not remembered; the
  // operation itself must not be held up by it.
  (void)settings.value().Save(m_services.Fs, SettingsPath());
}

std::string frmShowFiles::SettingsPath() const {
  return m_services.ProgramFolder + std::string(kSettingsFileName);
}

}  // namespace fw
