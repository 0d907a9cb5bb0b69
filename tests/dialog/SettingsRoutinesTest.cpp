#include <filesystem>

#include "DialogTestBase.h"
#include "platform/Paths.h"

namespace fw::test {
namespace {

// Execute saves the boxes before validating, so names of missing files are saved all the same.
class RememberTest : public DialogTestBase {
 protected:
  void ExecuteWith(Operation operation, const std::string& input, const char* output) {
    Open(operation);
    Fill(input, output);
    m_dialog->cmdExecute_Click();
  }
};

TEST_F(RememberTest, NamesComeBackForTheSameOperationOnly) {
  std::string longList;
  for (int i = 0; i < 80; ++i)
    longList += "/traffic/plans " + std::to_string(i) + ".txt\r\n";
  ASSERT_GT(longList.size(), 1022u);
  struct Case {
    Operation Code;
    std::string Typed, Stored, Back;
  };
  const Case cases[] = {
      {Operation::MergeFlightPlans, "A.txt\r\nB\r\nC", "MergeFPFiles=A.txt,B,C", "A.txt\r\nB\r\nC"},
      {Operation::MergeAircraft, "A\r\n\r\nC\r\n", "MergeACFiles=A,,C,", "A\r\n\r\nC\r\n"},
      {Operation::SortFlightPlans, "D:\\x,y", "SortFPFile=D:\\x,y", "D:\\x\r\ny"},  // no escaping
      {Operation::MergeAirports, longList, "", longList}};
  Open(Operation::MergeFlightPlans);
  EXPECT_EQ(Input(), "") << "nothing saved yet";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Stored);
    ExecuteWith(c.Code, c.Typed, "D:\\out.txt");
    EXPECT_NE(SettingsText().find(c.Stored), std::string::npos) << SettingsText();
    Open(c.Code);
    EXPECT_EQ(Input(), c.Back);
    EXPECT_EQ(Output(), "D:\\out.txt");
  }
  Open(Operation::SortAirports);
  EXPECT_EQ(Input(), "");
  EXPECT_EQ(Output(), "");
}

TEST_F(RememberTest, NumberChangeNeverTouchesOutputFiles) {
  WriteBytes(Path("Fleetwright.ini"), "[OutputFiles]\r\nSortFPFile=keep.txt\r\n");
  ExecuteWith(Operation::ChangeACNumbers, "ac.txt\r\nfp.txt", "typed but hidden.txt");
  const std::string text = SettingsText();
  EXPECT_NE(text.find("ChangeACNumsFiles=ac.txt,fp.txt"), std::string::npos) << text;
  EXPECT_NE(text.find("SortFPFile=keep.txt"), std::string::npos) << text;
  EXPECT_EQ(text.find("typed but hidden"), std::string::npos) << text;
}

// An installed program keeps the user's names in the user's own folder, and reads the file beside
// it only while the user has none.
TEST_F(RememberTest, AUserFolderHoldsTheUsersOwnSettings) {
  const TempFolder user;
  m_ui.UserSettingsFolder = user.Name("Fleetwright") + kSeparator;
  WriteBytes(Path("Fleetwright.ini"), "[InputFiles]\r\nSortAPFile=shipped.txt\r\n");
  Open(Operation::SortAirports);
  EXPECT_EQ(Input(), "shipped.txt");
  ExecuteWith(Operation::SortAirports, "mine.txt", "");
  EXPECT_EQ(SettingsText(), "[InputFiles]\r\nSortAPFile=shipped.txt\r\n");
  EXPECT_NE(ReadBytes(user.Path() / "Fleetwright" / "Fleetwright.ini").find("SortAPFile=mine.txt"),
            std::string::npos);
  Open(Operation::SortAirports);
  EXPECT_EQ(Input(), "mine.txt");
}

}  // namespace
}  // namespace fw::test
