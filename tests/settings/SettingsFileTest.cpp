#include <gtest/gtest.h>

#include <filesystem>

#include "settings/InputList.h"
#include "settings/SettingsFile.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

// Only the CR LF pair separates names; a comma in a name is not escaped.
TEST(InputList, IsStoredWithACommaForEachLineBreak) {
  EXPECT_EQ(EncodeInputList("A\r\n\r\nB\nC\rD"), "A,,B\nC\rD");
  EXPECT_EQ(DecodeInputList("A,,B\nC\rD"), "A\r\n\r\nB\nC\rD");
}

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFile LoadOk() {
    Result<SettingsFile> settings = SettingsFile::Load(NativeFileSystem(), m_path);
    EXPECT_TRUE(settings.ok());
    return settings.ok() ? std::move(settings.value()) : SettingsFile();
  }
  void Save(SettingsFile& settings) { ASSERT_TRUE(settings.Save(NativeFileSystem(), m_path).ok()); }

  test::TempFolder m_folder;
  std::string m_path = m_folder.Name("Fleetwright.ini");
};

TEST_F(SettingsFileTest, HandWrittenFileIsReadInAnyCaseAndKeptWhereUnused) {
  test::WriteBytes(m_path,
                   "; remembered names\r\n[inputfiles]\r\nSORTFPFILE=C:\\a.txt\r\n"
                   "[Window]\r\nColour=blue\r\n[OUTPUTFILES]\r\nsortfpfile=C:\\b.txt\r\n");
  SettingsFile settings = LoadOk();
  EXPECT_EQ(settings.Get("InputFiles", "SortFPFile"), "C:\\a.txt");
  EXPECT_EQ(settings.Get("OutputFiles", "SortFPFile"), "C:\\b.txt");

  settings.Set("InputFiles", "SortFPFile", "C:\\new.txt");
  Save(settings);
  const std::string text = test::ReadBytes(m_path);
  for (const char* kept :
       {"SORTFPFILE=C:\\new.txt", "Colour=blue", "; remembered names", "[Window]"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << " in " << text;
  EXPECT_EQ(text.find("C:\\a.txt"), std::string::npos) << text;
  EXPECT_EQ(text.find("[InputFiles]"), std::string::npos) << "a second section was added";
}

TEST_F(SettingsFileTest, FileThatCannotBeReadIsAFailure) {
  std::filesystem::create_directory(m_path);
  const Result<SettingsFile> settings = SettingsFile::Load(NativeFileSystem(), m_path);
  ASSERT_FALSE(settings.ok());
  EXPECT_NE(settings.error().Message.find("Fleetwright.ini"), std::string::npos);
}

}  // namespace
}  // namespace fw
