#include "DialogTestBase.h"

namespace fw::test {
namespace {

using SetupTest = DialogTestBase;

// One input file, several, or the number change without an output: each has its window height.
TEST_F(SetupTest, EachOperationGetsItsControlsAndLayout) {
  const std::pair<Operation, int> cases[] = {
      {Operation::SortFlightPlans, 2310},     {Operation::MergeFlightPlans, 3445},
      {Operation::EvaluateFlightPlans, 3445}, {Operation::SortAirports, 2310},
      {Operation::MergeAirports, 3445},       {Operation::SortAircraft, 2310},
      {Operation::MergeAircraft, 3445},       {Operation::ChangeACNumbers, 3155}};
  for (const auto& [operation, height] : cases) {
    SCOPED_TRACE(static_cast<int>(operation));
    Open(operation);
    const auto at = [this](DialogControl control) { return m_view->At(control); };
    EXPECT_EQ(m_view->WindowHeight, height);
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
}

}  // namespace
}  // namespace fw::test
