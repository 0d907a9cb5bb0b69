#include <array>

#include "DialogTestBase.h"

namespace fw::test {
namespace {

using SetupTest = DialogTestBase;

// Each operation's layout in twips: input box height, output label and box tops, buttons' top and
// the whole window's height; one input file, several, or the number change without an output.
TEST_F(SetupTest, EachOperationGetsItsControlsAndLayout) {
  using Layout = std::array<int, 5>;
  constexpr Layout kOne{285, 765, 990, 1440, 2310}, kMany{1320, 1845, 2070, 2530, 3445};
  const std::pair<Operation, Layout> cases[] = {
      {Operation::SortFlightPlans, kOne},
      {Operation::MergeFlightPlans, kMany},
      {Operation::EvaluateFlightPlans, kMany},
      {Operation::SortAirports, kOne},
      {Operation::MergeAirports, kMany},
      {Operation::SortAircraft, kOne},
      {Operation::MergeAircraft, kMany},
      {Operation::ChangeACNumbers, {1320, 2205, 2430, 2270, 3155}}};
  for (const auto& [operation, layout] : cases) {
    SCOPED_TRACE(static_cast<int>(operation));
    Open(operation);
    const auto at = [this](DialogControl control) { return m_view->At(control); };
    EXPECT_EQ((Layout{at(DialogControl::txtInputFiles).Place.Height,
                      at(DialogControl::lblOutputFiles).Place.Top,
                      at(DialogControl::txtOutputFile).Place.Top,
                      at(DialogControl::cmdExecute).Place.Top, m_view->WindowHeight}),
              layout);
    EXPECT_EQ(at(DialogControl::cmdBrowseOutput).Place.Top,
              at(DialogControl::txtOutputFile).Place.Top);
    EXPECT_EQ(at(DialogControl::cmdCancel).Place.Top, at(DialogControl::cmdExecute).Place.Top);
    const bool numbers = operation == Operation::ChangeACNumbers;
    for (const DialogControl control : {DialogControl::lblOutputFiles, DialogControl::txtOutputFile,
                                        DialogControl::cmdBrowseOutput})
      EXPECT_EQ(at(control).Visible, !numbers);
    for (const DialogControl control :
         {DialogControl::lblFrom, DialogControl::lblTo, DialogControl::txtFrom,
          DialogControl::txtTo, DialogControl::chkBackup})
      EXPECT_EQ(at(control).Visible, numbers);
    EXPECT_FALSE(at(DialogControl::fraWait).Visible);
    EXPECT_EQ(m_view->Front, DialogControl::fraWait);
  }
  Open(Operation::MergeAirports);
  EXPECT_EQ((std::array{m_view->Title, m_view->Text(DialogControl::lblInputFiles),
                        m_view->Text(DialogControl::lblOutputFiles),
                        m_view->Text(DialogControl::cmdExecute)}),
            (std::array<std::string, 4>{"Merge Airports", "Airport Files To Be Merged:",
                                        "Merged Airport File Name:", "Merge Airport Files"}));
}

}  // namespace
}  // namespace fw::test
