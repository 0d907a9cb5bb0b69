#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/SettingsFile.h"
#include "dialog/SettingsKeys.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

TEST(SettingsKeysTest, EachOperationHasItsOwnKeysAndTheNumberChangeNoOutputKey) {
  EXPECT_EQ(InputFilesKey(0), "SortFPFile");
  EXPECT_EQ(OutputFileKey(0), "SortFPFile");
  EXPECT_EQ(InputFilesKey(1), "MergeFPFiles");
  EXPECT_EQ(OutputFileKey(1), "MergeFPFile");
  EXPECT_EQ(InputFilesKey(2), "EvalFPFiles");
  EXPECT_EQ(OutputFileKey(2), "EvalFPFile");
  EXPECT_EQ(InputFilesKey(3), "SortAPFile");
  EXPECT_EQ(OutputFileKey(4), "MergeAPFile");
  EXPECT_EQ(InputFilesKey(5), "SortACFile");
  EXPECT_EQ(InputFilesKey(6), "MergeACFiles");
  EXPECT_EQ(OutputFileKey(6), "MergeACFile");
  EXPECT_EQ(InputFilesKey(7), "ChangeACNumsFiles");
  EXPECT_EQ(OutputFileKey(7), "");
  EXPECT_EQ(InputFilesKey(8), "");
  EXPECT_EQ(OutputFileKey(-1), "");
}

TEST(SettingsKeysTest, InputListIsStoredWithCommasBetweenTheLines) {
  EXPECT_EQ(EncodeInputList("A\r\nB\r\nC"), "A,B,C");
  EXPECT_EQ(EncodeInputList("A\r\n\r\nC"), "A,,C");
  EXPECT_EQ(EncodeInputList("A\r\n"), "A,");
  EXPECT_EQ(EncodeInputList("A\nB\rC"), "A\nB\rC");  // only the pair separates lines
  EXPECT_EQ(EncodeInputList(""), "");
}

TEST(SettingsKeysTest, StoredListComesBackOneItemALine) {
  EXPECT_EQ(DecodeInputList("A,B,C"), "A\r\nB\r\nC");
  EXPECT_EQ(DecodeInputList("A,,C"), "A\r\n\r\nC");
  EXPECT_EQ(DecodeInputList("A,"), "A\r\n");
  // No escaping: a name with a comma is split.
  EXPECT_EQ(DecodeInputList("D:\\x,y.txt"), "D:\\x\r\ny.txt");
}

class SettingsFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return m_folder.Name("Fleetwright.ini"); }
  std::string Saved() const { return test::ReadBytes(Path()); }

  SettingsFile LoadOk() {
    Result<SettingsFile> settings = SettingsFile::Load(NativeFileSystem(), Path());
    EXPECT_TRUE(settings.ok());
    return settings.ok() ? std::move(settings.value()) : SettingsFile();
  }

  test::TempFolder m_folder;
};

TEST_F(SettingsFileTest, MissingFileReadsAsEmpty) {
  const SettingsFile settings = LoadOk();
  EXPECT_EQ(settings.Get("InputFiles", "SortFPFile"), "");
}

TEST_F(SettingsFileTest, SavedValuesAreKeyEqualsValueLinesUnderTheirSection) {
  SettingsFile settings = LoadOk();
  settings.Set("InputFiles", "MergeFPFiles", "D:\\T\\FP1.txt,D:\\T\\FP2.txt");
  settings.Set("OutputFiles", "MergeFPFile", "D:\\T\\FPAll.txt");
  ASSERT_TRUE(settings.Save(NativeFileSystem(), Path()).ok());

  const std::string text = Saved();
  const auto input = text.find("[InputFiles]");
  const auto inputValue = text.find("\nMergeFPFiles=D:\\T\\FP1.txt,D:\\T\\FP2.txt");
  const auto output = text.find("[OutputFiles]");
  const auto outputValue = text.find("\nMergeFPFile=D:\\T\\FPAll.txt");
  ASSERT_NE(input, std::string::npos);
  ASSERT_NE(output, std::string::npos);
  EXPECT_LT(input, inputValue);
  EXPECT_LT(inputValue, output);
  EXPECT_LT(output, outputValue);
  EXPECT_EQ(text.find(" ="), std::string::npos);
  EXPECT_EQ(text.find("= "), std::string::npos);

  const SettingsFile again = LoadOk();
  EXPECT_EQ(again.Get("InputFiles", "MergeFPFiles"), "D:\\T\\FP1.txt,D:\\T\\FP2.txt");
  EXPECT_EQ(again.Get("OutputFiles", "MergeFPFile"), "D:\\T\\FPAll.txt");
}

TEST_F(SettingsFileTest, HandWrittenFileIsReadInAnyCaseAndKeptWhereUnused) {
  test::WriteBytes(Path(),
                   "; remembered names\r\n"
                   "[inputfiles]\r\n"
                   "SORTFPFILE=C:\\a.txt\r\n"
                   "[Window]\r\n"
                   "Colour=blue\r\n"
                   "[OUTPUTFILES]\r\n"
                   "sortfpfile=C:\\b.txt\r\n");
  SettingsFile settings = LoadOk();
  EXPECT_EQ(settings.Get("InputFiles", "SortFPFile"), "C:\\a.txt");
  EXPECT_EQ(settings.Get("OutputFiles", "SortFPFile"), "C:\\b.txt");

  settings.Set("InputFiles", "SortFPFile", "C:\\new.txt");
  ASSERT_TRUE(settings.Save(NativeFileSystem(), Path()).ok());
  const std::string text = Saved();
  EXPECT_NE(text.find("SORTFPFILE=C:\\new.txt"), std::string::npos) << text;
  EXPECT_EQ(text.find("C:\\a.txt"), std::string::npos) << text;
  EXPECT_NE(text.find("[Window]"), std::string::npos) << text;
  EXPECT_NE(text.find("Colour=blue"), std::string::npos) << text;
  EXPECT_NE(text.find("; remembered names"), std::string::npos) << text;
  EXPECT_EQ(text.find("[InputFiles]"), std::string::npos) << "a second section was added";
}

TEST_F(SettingsFileTest, LongValueComesBackWhole) {
  std::string list;
  for (int i = 0; i < 60; ++i)
    list += "C:\\Traffic\\Flight plans " + std::to_string(i) + ".txt,";
  ASSERT_GT(list.size(), 1022u);
  SettingsFile settings = LoadOk();
  settings.Set("InputFiles", "MergeFPFiles", list);
  ASSERT_TRUE(settings.Save(NativeFileSystem(), Path()).ok());
  EXPECT_EQ(LoadOk().Get("InputFiles", "MergeFPFiles"), list);
}

TEST_F(SettingsFileTest, FileThatCannotBeReadIsAFailure) {
  std::filesystem::create_directory(Path());
  const Result<SettingsFile> settings = SettingsFile::Load(NativeFileSystem(), Path());
  ASSERT_FALSE(settings.ok());
  EXPECT_NE(settings.error().Message.find("Fleetwright.ini"), std::string::npos);
}

}  // namespace
}  // namespace fw
