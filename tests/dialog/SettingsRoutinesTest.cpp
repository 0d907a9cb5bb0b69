#include <filesystem>

#include "DialogTestBase.h"

namespace fw::test {
namespace {

// Execute saves the boxes before validating, so names of missing files are saved all the same.
class RememberTest : public DialogTestBase {
 protected:
  void ExecuteWith(std::int32_t code, const std::string& input, const char* output) {
    Open(code);
    Fill(input, output);
    Click("cmdExecute");
  }
  QString Output() { return Find<QLineEdit>("txtOutputFile")->text(); }
};

TEST_F(RememberTest, NamesComeBackForTheSameOperationOnly) {
  std::string longTyped, longBack;
  for (int i = 0; i < 80; ++i) {
    longTyped += "/traffic/plans " + std::to_string(i) + ".txt\n";
    longBack += "/traffic/plans " + std::to_string(i) + ".txt\r\n";
  }
  ASSERT_GT(longTyped.size(), 1022u);
  struct Case {
    std::int32_t Code;
    std::string Typed, Stored, Back;
  };
  const Case cases[] = {
      {1, "A.txt\nB.txt\nC.txt", "MergeFPFiles=A.txt,B.txt,C.txt", "A.txt\r\nB.txt\r\nC.txt"},
      {6, "A\n\nC\n", "MergeACFiles=A,,C,", "A\r\n\r\nC\r\n"},
      {0, "D:\\x,y.txt", "SortFPFile=D:\\x,y.txt", "D:\\x\r\ny.txt"},  // no escaping
      {4, longTyped, "", longBack}};
  Open(1);
  EXPECT_EQ(m_dialog->InputFilesText(), "") << "nothing saved yet";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Code);
    ExecuteWith(c.Code, c.Typed, "D:\\out.txt");
    EXPECT_NE(SettingsText().find(c.Stored), std::string::npos) << SettingsText();
    Open(c.Code);
    EXPECT_EQ(m_dialog->InputFilesText(), c.Back);
    EXPECT_EQ(Output(), QStringLiteral("D:\\out.txt"));
  }
  Open(3);
  EXPECT_EQ(m_dialog->InputFilesText(), "");
  EXPECT_EQ(Output(), QString());
}

TEST_F(RememberTest, NumberChangeNeverTouchesOutputFiles) {
  WriteBytes(m_ui.Folder.Path() / "Fleetwright.ini", "[OutputFiles]\r\nSortFPFile=keep.txt\r\n");
  ExecuteWith(7, "ac.txt\nfp.txt", "typed but hidden.txt");
  const std::string text = SettingsText();
  EXPECT_NE(text.find("ChangeACNumsFiles=ac.txt,fp.txt"), std::string::npos) << text;
  EXPECT_NE(text.find("SortFPFile=keep.txt"), std::string::npos) << text;
  EXPECT_EQ(text.find("typed but hidden"), std::string::npos) << text;
}

TEST_F(RememberTest, HandWrittenSettingsAreOffered) {
  WriteBytes(m_ui.Folder.Path() / "Fleetwright.ini",
             "[INPUTFILES]\r\nsortapfile=C:\\ap.txt\r\nMergeACFiles=C:\\a1.txt,C:\\a2.txt\r\n"
             "[outputfiles]\r\nSortAPFile=C:\\ap sorted.txt\r\n");
  Open(3);
  EXPECT_EQ(m_dialog->InputFilesText(), "C:\\ap.txt");
  EXPECT_EQ(Output(), QStringLiteral("C:\\ap sorted.txt"));
  Open(6);
  EXPECT_EQ(m_dialog->InputFilesText(), "C:\\a1.txt\r\nC:\\a2.txt");
}

TEST_F(RememberTest, CancelSavesNothing) {
  Open(0);
  Fill("typed.txt", "");
  Click("cmdCancel");
  EXPECT_FALSE(std::filesystem::exists(m_ui.Folder.Path() / "Fleetwright.ini"));
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

}  // namespace
}  // namespace fw::test
