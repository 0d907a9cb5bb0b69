#include "DialogTestBase.h"
#include "records/OperationTable.h"

namespace fw::test {
namespace {

using SetupTest = DialogTestBase;

// The three layouts in twips: input box height, output label and box tops, buttons' top and the
// whole window's height.
struct Layout {
  int InputHeight, OutputLabelTop, OutputBoxTop, ButtonsTop, WindowHeight;
  friend bool operator==(const Layout&, const Layout&) = default;
};

TEST_F(SetupTest, EachOperationGetsItsCaptionsControlsAndLayout) {
  constexpr Layout kOne{285, 765, 990, 1440, 2310};
  constexpr Layout kMany{1320, 1845, 2070, 2530, 3445};
  constexpr Layout kNumbers{1320, 2205, 2430, 2270, 3155};
  const std::pair<Operation, Layout> cases[] = {
      {Operation::SortFlightPlans, kOne},      {Operation::MergeFlightPlans, kMany},
      {Operation::EvaluateFlightPlans, kMany}, {Operation::SortAirports, kOne},
      {Operation::MergeAirports, kMany},       {Operation::SortAircraft, kOne},
      {Operation::MergeAircraft, kMany},       {Operation::ChangeACNumbers, kNumbers}};
  for (const auto& [operation, layout] : cases) {
    SCOPED_TRACE(static_cast<int>(operation));
    Open(operation);
    const auto at = [this](DialogControl control) { return m_view->At(control).Place; };
    EXPECT_EQ((Layout{at(DialogControl::txtInputFiles).Height,
                      at(DialogControl::lblOutputFiles).Top, at(DialogControl::txtOutputFile).Top,
                      at(DialogControl::cmdExecute).Top, m_view->WindowHeight}),
              layout);
    EXPECT_EQ(at(DialogControl::cmdBrowseOutput).Top, at(DialogControl::txtOutputFile).Top);
    EXPECT_EQ(at(DialogControl::cmdCancel).Top, at(DialogControl::cmdExecute).Top);

    const OperationInfo& info = InfoOf(operation);
    const bool numbers = operation == Operation::ChangeACNumbers;
    for (const DialogControl control : {DialogControl::lblOutputFiles, DialogControl::txtOutputFile,
                                        DialogControl::cmdBrowseOutput})
      EXPECT_EQ(m_view->At(control).Visible, !numbers);
    for (const DialogControl control :
         {DialogControl::lblFrom, DialogControl::lblTo, DialogControl::txtFrom,
          DialogControl::txtTo, DialogControl::chkBackup})
      EXPECT_EQ(m_view->At(control).Visible, numbers);
    EXPECT_FALSE(m_view->At(DialogControl::fraWait).Visible);
    EXPECT_EQ(m_view->Front, DialogControl::fraWait);
    EXPECT_EQ(m_view->Title, info.WindowTitle);
    EXPECT_EQ(m_view->Text(DialogControl::lblInputFiles),
              info.WindowTitle.empty() ? "Input File(s)" : info.InputLabel);
    // The number change keeps the design's (hidden) output label.
    EXPECT_EQ(m_view->Text(DialogControl::lblOutputFiles),
              info.OutputLabel.empty() ? "Output File" : info.OutputLabel);
    EXPECT_EQ(m_view->Text(DialogControl::cmdExecute),
              info.WindowTitle.empty() ? "Execute" : info.ExecuteCaption);
  }
}

}  // namespace
}  // namespace fw::test
