#include <gtest/gtest.h>

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

TEST(SettingsFile, HandWrittenFileIsReadInAnyCaseAndKeptWhereUnused) {
  const test::TempFolder folder;
  const std::string path =
      folder.Write("Fleetwright.ini",
                   "; remembered names\r\n[inputfiles]\r\nSORTFPFILE=C:\\a.txt\r\n"
                   "[Window]\r\nColour=blue\r\n[OUTPUTFILES]\r\nsortfpfile=C:\\b.txt\r\n");
  Result<SettingsFile> loaded = SettingsFile::Load(NativeFileSystem(), path);
  ASSERT_TRUE(loaded.ok());
  SettingsFile& settings = loaded.value();
  EXPECT_EQ(settings.Get("InputFiles", "SortFPFile"), "C:\\a.txt");
  EXPECT_EQ(settings.Get("OutputFiles", "SortFPFile"), "C:\\b.txt");

  settings.Set("InputFiles", "SortFPFile", "C:\\new.txt");
  ASSERT_TRUE(settings.Save(NativeFileSystem(), path).ok());
  const std::string text = test::ReadBytes(path);
  for (const char* kept :
       {"SORTFPFILE=C:\\new.txt", "Colour=blue", "; remembered names", "[Window]"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept << " in " << text;
  EXPECT_EQ(text.find("C:\\a.txt"), std::string::npos) << text;
  EXPECT_EQ(text.find("[InputFiles]"), std::string::npos) << "a second section was added";
}

}  // namespace
}  // namespace fw
