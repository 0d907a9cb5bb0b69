#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

constexpr const char* kInputList = "D:\\Traffic\\FP1.txt,D:\\Vols \xe9t\xe9\\FP 2.txt,,";

// A value as GetPrivateProfileStringA gives it to the program: at most 1022 characters.
std::string ReadWithWindows(const char* section, const char* key, const std::string& file) {
  char buffer[1023];
  return std::string(
      buffer, GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file.c_str()));
}

TEST(WindowsSettingsFile, WindowsReadsWhatTheProgramSaved) {
  test::TempFolder folder;
  const std::string file = folder.Name("Fleetwright.ini");
  SettingsFile settings;
  settings.Set("InputFiles", "MergeFPFiles", kInputList);
  settings.Set("OutputFiles", "MergeFPFile", "D:\\Traffic\\FPAll.txt");
  settings.Set("InputFiles", "SortFPFile", "");
  ASSERT_TRUE(settings.Save(NativeFileSystem(), file));
  EXPECT_EQ(ReadWithWindows("InputFiles", "MergeFPFiles", file), kInputList);
  EXPECT_EQ(ReadWithWindows("OutputFiles", "MergeFPFile", file), "D:\\Traffic\\FPAll.txt");
  EXPECT_EQ(ReadWithWindows("InputFiles", "SortFPFile", file), "");
  // Lines end as the settings calls end them.
  const std::string bytes = test::ReadBytes(file);
  for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
    EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "a line ends in a lone LF at " << at;
}

TEST(WindowsSettingsFile, TheProgramReadsWhatWindowsWrote) {
  test::TempFolder folder;
  const std::string file = folder.Name("Fleetwright.ini");
  ASSERT_TRUE(
      WritePrivateProfileStringA("OutputFiles", "SortAPFile", "C:\\a p\\out.txt", file.c_str()));
  ASSERT_TRUE(
      WritePrivateProfileStringA("InputFiles", "ChangeACNumsFiles", kInputList, file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("InputFiles", "SortAPFile", "C:\\in.txt", file.c_str()));
  const Result<SettingsFile> settings = SettingsFile::Load(NativeFileSystem(), file);
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings.value().Get("InputFiles", "ChangeACNumsFiles"), kInputList);
  EXPECT_EQ(settings.value().Get("InputFiles", "SortAPFile"), "C:\\in.txt");
  EXPECT_EQ(settings.value().Get("outputfiles", "sortapfile"), "C:\\a p\\out.txt");
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
