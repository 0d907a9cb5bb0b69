#include "DialogTestBase.h"

namespace fw::test {
namespace {

using BrowseTest = DialogTestBase;

TEST_F(BrowseTest, SortsReplaceTheNameOthersAddALinePerPickAndCancelKeepsIt) {
  struct Case {
    Operation Code;
    const char* Before;
    std::deque<std::string> Picks;  // one click each; "" is Cancel
    std::string After;
  };
  // Spaces alone are no list; any other list is added to untrimmed.
  const Case cases[] = {
      {Operation::SortFlightPlans, "C:\\old.txt", {"C:\\new.txt"}, "C:\\new.txt"},
      {Operation::MergeAirports, "", {"C:\\a", "C:\\b", "C:\\a"}, "C:\\a\r\nC:\\b\r\nC:\\a"},
      {Operation::ChangeACNumbers, "", {"C:\\ac.txt"}, "C:\\ac.txt"},
      {Operation::EvaluateFlightPlans, "C:\\a.txt", {""}, "C:\\a.txt"},
      {Operation::MergeFlightPlans, "   ", {"C:\\a.txt"}, "C:\\a.txt"},
      {Operation::MergeFlightPlans, "C:\\a\r\n", {"C:\\b"}, "C:\\a\r\n\r\nC:\\b"},
      {Operation::MergeFlightPlans, "\r\n", {"C:\\c.txt"}, "\r\n\r\nC:\\c.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Before);
    Open(c.Code);
    Fill(c.Before, "");
    m_ui.Files.Answers = c.Picks;
    for (std::size_t i = 0; i < c.Picks.size(); ++i)
      m_dialog->cmdBrowseInput_Click();
    EXPECT_EQ(Input(), c.After);
  }
  const FileDialogRequest& request = m_ui.Files.Requests.front();
  EXPECT_TRUE(request.FileMustExist);
  EXPECT_EQ(request.DefaultExtension, ".txt");
  EXPECT_EQ(request.FilterIndex, 1);
  ASSERT_EQ(request.Filters.size(), 2u);
  EXPECT_EQ(request.Filters[0].Description + request.Filters[0].Pattern, "Text (*.txt)*.txt");
  EXPECT_EQ(request.Filters[1].Description + request.Filters[1].Pattern, "All Files (*.*)*.*");
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
}

TEST_F(BrowseTest, OutputPickReplacesTheNameAndAcceptsNewFiles) {
  Open(Operation::SortFlightPlans);
  Fill("", "C:\\old.txt");
  m_ui.Files.Answers = {"", "C:\\new.txt"};
  m_dialog->cmdBrowseOutput_Click();
  EXPECT_EQ(Output(), "C:\\old.txt");
  m_dialog->cmdBrowseOutput_Click();
  EXPECT_EQ(Output(), "C:\\new.txt");
  EXPECT_EQ(m_ui.Files.Requests[0].Title, "Enter or Select The Sorted Flight Plan File Name");
  EXPECT_FALSE(m_ui.Files.Requests[0].FileMustExist);
}

TEST_F(BrowseTest, DroppedFilesAreTakenAsBrowsingWouldTakeThem) {
  for (const auto& [operation, after] :
       {std::pair{Operation::MergeFlightPlans, "/data/a.txt\r\n/data/b.txt\r\n/data/c.txt"},
        std::pair{Operation::SortAircraft, "/data/c.txt"}}) {
    Open(operation);
    Fill("/data/a.txt", "");
    m_dialog->InputFilesDropped({"/data/b.txt", "/data/c.txt"});
    EXPECT_EQ(Input(), after);
  }
  m_dialog->OutputFileDropped({"/data/out1.txt", "/data/out2.txt"});
  EXPECT_EQ(Output(), "/data/out2.txt");
}

}  // namespace
}  // namespace fw::test
