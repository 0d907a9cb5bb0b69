#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "DialogTestBase.h"

namespace fw::test {
namespace {

// Execute saves the boxes before validating, so missing files are saved all the same.
class RememberTest : public DialogTestBase {
 protected:
  void ExecuteWith(std::int32_t code, const char* input, const char* output) {
    Open(code);
    Find<QPlainTextEdit>("txtInputFiles")->setPlainText(QString::fromLatin1(input));
    Find<QLineEdit>("txtOutputFile")->setText(QString::fromLatin1(output));
    Find<QPushButton>("cmdExecute")->click();
  }
  std::string Input() { return m_dialog->InputFilesText(); }
  QString Output() { return Find<QLineEdit>("txtOutputFile")->text(); }
};

TEST_F(RememberTest, FirstStartOpensEmptyBoxes) {
  Open(1);
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(Output(), QString());
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
}

TEST_F(RememberTest, NamesComeBackForTheSameOperationOnly) {
  ExecuteWith(1, "A.txt\nB.txt\nC.txt", "D:\\all.txt");
  EXPECT_NE(SettingsText().find("MergeFPFiles=A.txt,B.txt,C.txt"), std::string::npos);
  EXPECT_NE(SettingsText().find("MergeFPFile=D:\\all.txt"), std::string::npos);

  Open(1);
  EXPECT_EQ(Input(), "A.txt\r\nB.txt\r\nC.txt");
  EXPECT_EQ(Output(), QStringLiteral("D:\\all.txt"));
  Open(4);
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(Output(), QString());
}

TEST_F(RememberTest, EmptyLinesAndATrailingLineBreakSurvive) {
  ExecuteWith(6, "A\n\nC\n", "");
  EXPECT_NE(SettingsText().find("MergeACFiles=A,,C,"), std::string::npos) << SettingsText();
  Open(6);
  EXPECT_EQ(Input(), "A\r\n\r\nC\r\n");
  EXPECT_EQ(Output(), QString());
}

TEST_F(RememberTest, NameWithACommaComesBackSplit) {
  ExecuteWith(0, "D:\\x,y.txt", "out.txt");
  Open(0);
  EXPECT_EQ(Input(), "D:\\x\r\ny.txt");
}

TEST_F(RememberTest, LongListComesBackWhole) {
  std::string list;
  for (int i = 0; i < 80; ++i)
    list += "/traffic/plans " + std::to_string(i) + ".txt\n";
  list.pop_back();
  ASSERT_GT(list.size(), 1022u);
  ExecuteWith(1, list.c_str(), "");
  Open(1);
  QString expected = QString::fromStdString(list);
  expected.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  EXPECT_EQ(Input(), expected.toStdString());
}

TEST_F(RememberTest, NumberChangeNeverTouchesOutputFiles) {
  WriteBytes(m_ui.Folder.Path() / "Fleetwright.ini", "[OutputFiles]\nSortFPFile=keep.txt\n");
  ExecuteWith(7, "ac.txt\nfp.txt", "typed but hidden.txt");
  const std::string text = SettingsText();
  EXPECT_NE(text.find("ChangeACNumsFiles=ac.txt,fp.txt"), std::string::npos) << text;
  EXPECT_NE(text.find("SortFPFile=keep.txt"), std::string::npos) << text;
  EXPECT_EQ(text.find("typed but hidden"), std::string::npos) << text;
  const std::size_t outputSection = text.find("[OutputFiles]");
  ASSERT_NE(outputSection, std::string::npos);
  const std::string outputEntries =
      text.substr(outputSection, text.find('[', outputSection + 1) - outputSection);
  EXPECT_EQ(outputEntries.find("ChangeACNums"), std::string::npos) << text;
}

TEST_F(RememberTest, HandWrittenSettingsAreOffered) {
  WriteBytes(m_ui.Folder.Path() / "Fleetwright.ini",
             "[INPUTFILES]\r\n"
             "sortapfile=C:\\ap.txt\r\n"
             "MergeACFiles=C:\\a1.txt,C:\\a2.txt\r\n"
             "[Other]\r\n"
             "Size=3\r\n"
             "[outputfiles]\r\n"
             "SortAPFile=C:\\ap sorted.txt\r\n");
  Open(3);
  EXPECT_EQ(Input(), "C:\\ap.txt");
  EXPECT_EQ(Output(), QStringLiteral("C:\\ap sorted.txt"));
  Open(6);
  EXPECT_EQ(Input(), "C:\\a1.txt\r\nC:\\a2.txt");

  ExecuteWith(3, "C:\\new.txt", "C:\\ap sorted.txt");
  const std::string text = SettingsText();
  EXPECT_NE(text.find("sortapfile=C:\\new.txt"), std::string::npos) << text;
  EXPECT_NE(text.find("Size=3"), std::string::npos) << text;
  EXPECT_NE(text.find("MergeACFiles=C:\\a1.txt,C:\\a2.txt"), std::string::npos) << text;
}

TEST_F(RememberTest, CancelSavesNothing) {
  Open(0);
  Find<QPlainTextEdit>("txtInputFiles")->setPlainText("typed.txt");
  Find<QPushButton>("cmdCancel")->click();
  EXPECT_FALSE(std::filesystem::exists(m_ui.Folder.Path() / "Fleetwright.ini"));
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

TEST_F(RememberTest, UnreadableSettingsFileIsReportedAndTheBoxesKeepTheirText) {
  std::filesystem::create_directory(m_ui.Folder.Path() / "Fleetwright.ini");
  Open(0);
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 2u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, BoxIcon::Critical);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Title, "Error");
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text.rfind("Error in frmShowFiles:GetINIFile\r\n", 0), 0u);
  EXPECT_GT(m_ui.Boxes.Shown[0].Text.size(),
            std::string("Error in frmShowFiles:GetINIFile\r\n").size());

  Find<QPlainTextEdit>("txtInputFiles")->setPlainText("typed.txt");
  Find<QPushButton>("cmdExecute")->click();
  ASSERT_GE(m_ui.Boxes.Shown.size(), 3u);
  EXPECT_EQ(m_ui.Boxes.Shown[2].Text.rfind("Error in frmShowFiles:SaveINIFile\r\n", 0), 0u);
  EXPECT_EQ(Input(), "typed.txt");
}

}  // namespace
}  // namespace fw::test
