#include <gtest/gtest.h>

#include "shell/frmMain.h"
#include "support/FakeViews.h"
#include "support/MessagePrinter.h"

namespace fw::test {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { m_window.Form_Load(); }

  FakeUi m_ui;
  FakeMainView m_view{m_ui, m_ui.App()};
  frmMain m_window{m_view, m_ui.Services(), m_ui.App()};
};

TEST_F(MainWindowTest, EachButtonOpensItsOperationFreshAndClosingBringsTheWindowBack) {
  EXPECT_EQ(m_view.Title, "Fleetwright v1.0");
  const std::pair<MainControl, Operation> buttons[] = {
      {MainControl::cmdSortFlightPlans, Operation::SortFlightPlans},
      {MainControl::cmdMergeFlightPlans, Operation::MergeFlightPlans},
      {MainControl::cmdSortAirports, Operation::SortAirports},
      {MainControl::cmdMergeAirports, Operation::MergeAirports},
      {MainControl::cmdSortAircraft, Operation::SortAircraft},
      {MainControl::cmdMergeAircraft, Operation::MergeAircraft},
      {MainControl::cmdChangeACNum, Operation::ChangeACNumbers},
      {MainControl::cmdEvaluateFlightPlans, Operation::EvaluateFlightPlans}};
  for (const auto& [button, operation] : buttons) {
    m_window.Clicked(button);
    EXPECT_FALSE(m_view.Visible);
    ASSERT_TRUE(m_view.DialogShown);
    FakeMainView::Dialog& dialog = *m_view.Dialogs.back();
    EXPECT_EQ(dialog.Logic->TypeOfOperation(), operation);
    EXPECT_TRUE(dialog.View.Ticked(DialogControl::chkBackup)) << "every use starts as designed";
    dialog.View.At(DialogControl::chkBackup).Ticked = false;
    dialog.Logic->cmdCancel_Click();
    EXPECT_TRUE(m_view.Visible);
    EXPECT_TRUE(dialog.View.Closed);
  }
  EXPECT_EQ(m_view.Dialogs.size(), std::size(buttons));
}

TEST_F(MainWindowTest, HelpOpensTheReadMeInTheProgramFolder) {
  m_window.Clicked(MainControl::cmdHelp);
  EXPECT_EQ(m_ui.Documents.Opened, std::vector<std::string>{m_ui.Folder.Name("ReadMe.htm")});
  EXPECT_TRUE(m_view.Visible);
}

TEST_F(MainWindowTest, WorldAIButtonConvertsTheListBesideTheProgramOrInAFolderTheUserChooses) {
  const TempFolder lists;
  lists.Write("Aircraft Codes.txt", "AB1,Alpha One\r\n");
  lists.Write("Airline Codes.txt", "QQQ,Quebec Air\r\n");
  lists.Write("AddToAircraft.txt", "  AC#1,250,\"ai QQQ AB1\"  \r\n");
  const std::string converted = "AC#1,250,\"ai Alpha One Quebec Air\"\r\n";

  // No list beside the program: Cancel in the folder dialog does nothing; a folder is converted
  // and offered again next time.
  m_ui.Files.Answers = {"", lists.Name(""), ""};
  m_window.Clicked(MainControl::cmdChangeWorldAIAircraft);
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
  m_window.Clicked(MainControl::cmdChangeWorldAIAircraft);
  EXPECT_EQ(ReadBytes(lists.Path() / "AC.txt"), converted);
  m_window.Clicked(MainControl::cmdChangeWorldAIAircraft);
  ASSERT_EQ(m_ui.Files.FolderRequests.size(), 3u);
  EXPECT_EQ(m_ui.Files.FolderRequests[0].second, "");
  EXPECT_EQ(m_ui.Files.FolderRequests[2].second, lists.Name(""));

  // The list beside the program is converted without asking; a failure names the routine.
  for (const char* file : {"Aircraft Codes.txt", "Airline Codes.txt", "AddToAircraft.txt"})
    std::filesystem::copy_file(lists.Path() / file, m_ui.Folder.Path() / file);
  m_window.Clicked(MainControl::cmdChangeWorldAIAircraft);
  EXPECT_EQ(ReadBytes(m_ui.Folder.Path() / "AC.txt"), converted);
  std::filesystem::remove(m_ui.Folder.Path() / "Airline Codes.txt");
  m_window.Clicked(MainControl::cmdChangeWorldAIAircraft);
  EXPECT_EQ(m_ui.Files.FolderRequests.size(), 3u);

  const Message success{MessageIcon::Information, "Success", "AC.txt File Successfully Created!"};
  const Message failure{MessageIcon::Exclamation, "Error",
                        "Error in frmMain:cmdChangeWorldAIAircraft_Click(): cannot open \"" +
                            m_ui.Folder.Name("Airline Codes.txt") +
                            "\": No such file or directory"};
  EXPECT_EQ(m_ui.Boxes.Shown, (std::vector{success, success, failure}));
  EXPECT_TRUE(m_view.Visible);
}

}  // namespace
}  // namespace fw::test
