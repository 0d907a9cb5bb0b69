#include <stdexcept>

#include "DialogTestBase.h"
#include "support/FaultyFileSystem.h"

namespace fw::test {
namespace {

using Events = std::vector<std::string>;
using Boxes = std::vector<Message>;

class ExecuteTest : public DialogTestBase {
 protected:
  // The wait frame must be gone before any box shows.
  ExecuteTest() {
    m_ui.Boxes.OnShow = [this](const Message&) {
      m_frameShownWithBox |= m_view->At(DialogControl::fraWait).Visible;
    };
  }
  void OpenNumberChange(const std::string& files, const char* from, const char* to) {
    Open(Operation::ChangeACNumbers);
    Fill(files, "");
    m_view->SetText(DialogControl::txtFrom, from);
    m_view->SetText(DialogControl::txtTo, to);
  }
  bool m_frameShownWithBox = false;
};

TEST_F(ExecuteTest, AnOperationRunsWithWaitTextsThenReportsAndReturnsToTheMainWindow) {
  const std::string aircraft = m_ui.Folder.Write("ac.txt", "AC#5,a\r\nAC#2,b\r\n");
  const std::string plans = m_ui.Folder.Write("fp.txt", "AC#5,x,1\r\n");
  OpenNumberChange(aircraft + "\r\n" + plans, "5", "012");

  m_dialog->cmdExecute_Click();

  EXPECT_EQ(ReadBytes(aircraft), "AC#2,b\r\nAC#012,a\r\n");
  EXPECT_EQ(ReadBytes(aircraft + ".BAK"), "AC#5,a\r\nAC#2,b\r\n");
  EXPECT_EQ(ReadBytes(plans), "AC#012,x,1\r\n");
  EXPECT_EQ(m_ui.Boxes.Shown, (Boxes{{MessageIcon::Information, "Aircraft # Change Success",
                                      "2 aircraft numbers successfully changed!"}}));
  EXPECT_EQ(m_ui.Events, (Events{"busy", "box: Aircraft # Change Success", "default"}));
  // Each step of both files is painted at once, over the shown frame.
  ASSERT_EQ(m_view->WaitPaints.size(), 7u);
  EXPECT_EQ(m_view->WaitPaints.back(), "Please Wait. Writing output file(s)...");
  EXPECT_FALSE(m_frameShownWithBox);
  EXPECT_TRUE(m_view->Closed);
  EXPECT_EQ(m_mainShown, 1);
}

TEST_F(ExecuteTest, UntickedBackupMakesNoBackupAndAFailureStillReturnsToTheMainWindow) {
  const std::string aircraft = m_ui.Folder.Write("ac.txt", "AC#5,a\r\n");
  OpenNumberChange(aircraft, "5", "6");
  m_view->At(DialogControl::chkBackup).Ticked = false;
  m_dialog->cmdExecute_Click();
  EXPECT_EQ(ReadBytes(aircraft), "AC#6,a\r\n");
  EXPECT_EQ(m_ui.Folder.Entries(), (Events{"Fleetwright.ini", "ac.txt"}));

  Open(Operation::SortFlightPlans);
  Fill(m_ui.Folder.Write("fp.txt", "AC#1,a\r\nAC#x,b\r\n"), Path("sorted.txt"));
  m_dialog->cmdExecute_Click();
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 2u);
  EXPECT_EQ(m_ui.Boxes.Shown[1].Text.rfind("Error during sort.\r\n", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(Path("sorted.txt")));
  EXPECT_TRUE(m_view->Closed);
  EXPECT_EQ(m_mainShown, 2);
}

TEST_F(ExecuteTest, UnforeseenFailureIsReportedAfterTheFrameAndPointerAreRestored) {
  // Reads of anything but the settings file break in an unforeseen way.
  FaultyFileSystem fs;
  fs.BeforeRead = [](const std::string& path) {
    if (!path.ends_with("Fleetwright.ini"))
      throw std::runtime_error("disk on fire");
  };
  Open(Operation::SortFlightPlans, fs);
  Fill(m_ui.Folder.Write("fp.txt", "AC#1,a\r\n"), Path("sorted.txt"));
  m_dialog->cmdExecute_Click();
  EXPECT_EQ(m_ui.Boxes.Shown, (Boxes{{MessageIcon::Critical, "Error",
                                      "Error in frmShowFiles:cmdExecute_Click\r\ndisk on fire"}}));
  EXPECT_EQ(m_ui.Events, (Events{"busy", "default", "box: Error"}));
  EXPECT_FALSE(m_frameShownWithBox);
  EXPECT_TRUE(m_view->Closed);
  EXPECT_EQ(m_mainShown, 1);
}

// The warnings' texts are checked with the validation; here the dialog checks the names before
// the numbers, shows the warning and stays open as the user left it.
TEST_F(ExecuteTest, RefusedInputShowsTheWarningAndKeepsTheDialogOpen) {
  const std::string missing = Path("missing.txt");
  OpenNumberChange(missing, "", "1");
  m_dialog->cmdExecute_Click();
  EXPECT_EQ(Input(), missing);
  Fill(m_ui.Folder.Write("in.txt", ""), "");
  m_dialog->cmdExecute_Click();
  EXPECT_EQ(m_ui.Boxes.Shown, (Boxes{{MessageIcon::Exclamation, "Invalid Input File",
                                      "The input file: \"" + missing +
                                          "\" does not exist.  Please select a valid input file."},
                                     {MessageIcon::Exclamation, "Invalid Aircraft Number",
                                      "Please enter the aircraft number to be changed."}}));
  EXPECT_EQ(m_ui.Events, (Events{"box: Invalid Input File", "box: Invalid Aircraft Number"}));
  EXPECT_EQ(m_mainShown, 0);
  EXPECT_FALSE(m_view->Closed);
}

TEST_F(ExecuteTest, CancelAndTheCloseControlSaveNothingAndBringTheMainWindowBack) {
  Open(Operation::SortFlightPlans);
  Fill("typed.txt", "");
  m_dialog->cmdCancel_Click();
  m_dialog->Form_Close();  // the window closing after Cancel closed it adds nothing
  Open(Operation::MergeAirports);
  m_dialog->Form_Close();
  EXPECT_FALSE(std::filesystem::exists(Path("Fleetwright.ini")));
  EXPECT_EQ(m_mainShown, 2);
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
}

}  // namespace
}  // namespace fw::test
