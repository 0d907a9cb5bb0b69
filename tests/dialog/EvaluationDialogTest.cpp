#include "DialogTestBase.h"

namespace fw::test {
namespace {

using Texts = std::vector<std::string>;
using EvaluationDialogTest = DialogTestBase;

TEST_F(EvaluationDialogTest, EvaluatesTheListedFilesAndTellsTheCountsInABox) {
  const std::string plans = m_ui.Folder.Write(
      "fp.txt",
      "AC#1,EX-A,100%,WEEK,IFR,0/06:00,0/08:00,350,F,1,KBBB,0/10:00,0/09:00,350,F,2,KAAA");
  const std::string airports = m_ui.Folder.Write("ap.txt", "KAAA,1\r\nKAAA,2\r\n");
  Open(Operation::EvaluateFlightPlans);
  Fill(plans + "\r\n" + airports, Path("report.txt"));

  m_dialog->cmdExecute_Click();

  // The legs overlap and KBBB is missing; KAAA is given twice.
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0],
            (Message{MessageIcon::Information, "Evaluation Complete",
                     "2 errors and 1 warnings in 2 files.\r\nReport written to \"" +
                         Path("report.txt") + "\"."}));
  EXPECT_EQ(m_view->WaitPaints,
            (Texts{"Please Wait. Reading input file(s)...", "Please Wait. Evaluating...",
                   "Please Wait. Writing report file..."}));
  EXPECT_NE(
      ReadBytes(Path("report.txt")).find("Total: 2 files, 3 entries, 2 errors, 1 warning\r\n"),
      std::string::npos);
}

}  // namespace
}  // namespace fw::test
