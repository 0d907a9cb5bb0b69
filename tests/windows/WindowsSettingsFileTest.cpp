#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cerrno>
#include <string>

#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

// A value as GetPrivateProfileStringA gives it to the program: at most 1022 characters.
std::string ReadWithWindows(const char* section, const char* key, const std::string& file) {
  char buffer[1023];
  return std::string(
      buffer, GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file.c_str()));
}

// Each side reads what the other wrote: names in the code page, a list's commas, an empty value,
// one key in two sections, names in any case.
TEST(WindowsSettingsFile, WindowsAndTheProgramReadWhatTheOtherWrote) {
  const std::array<const char*, 3> values[] = {
      {"InputFiles", "MergeFPFiles", "D:\\Traffic\\FP1.txt,D:\\Vols \xe9t\xe9\\FP 2.txt,,"},
      {"OutputFiles", "SortFPFile", "D:\\Traffic\\FPAll.txt"},
      {"InputFiles", "SortFPFile", ""}};
  test::TempFolder folder;
  const std::string saved = folder.Name("Fleetwright.ini");
  const std::string written = folder.Name("Windows.ini");
  SettingsFile settings;
  for (const auto& [section, key, text] : values) {
    settings.Set(section, key, text);
    ASSERT_TRUE(WritePrivateProfileStringA(section, key, text, written.c_str()));
  }
  ASSERT_TRUE(settings.Save(NativeFileSystem(), saved));
  const Result<SettingsFile> read = SettingsFile::Load(NativeFileSystem(), written);
  ASSERT_TRUE(read);
  for (const auto& [section, key, text] : values) {
    EXPECT_EQ(ReadWithWindows(section, key, saved), text) << key;
    EXPECT_EQ(read.value().Get(section, key), text) << key;
  }
  EXPECT_EQ(read.value().Get("outputfiles", "sortfpfile"), "D:\\Traffic\\FPAll.txt");
  // Lines end as the settings calls end them.
  const std::string bytes = test::ReadBytes(saved);
  for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
    EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "a line ends in a lone LF at " << at;
}

// A program folder that cannot be written to (under Program Files, say) sends the settings to
// the user's own application data.
TEST(WindowsSettingsFile, LiveInTheUsersAppDataWhenTheProgramsFolderIsReadOnly) {
  test::TempFolder folder;
  const std::string program = folder.Name("");
  EXPECT_EQ(UserSettingsFolder(program), "");
  test::FaultyFileSystem readOnly;
  readOnly.FailAt(test::FileStep::CreateTempFile, 1, EACCES);
  char appData[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableA("APPDATA", appData, MAX_PATH), 0u);
  EXPECT_EQ(UserSettingsFolder(program, readOnly), std::string(appData) + "\\Fleetwright\\");
}

}  // namespace
}  // namespace fw
