// The settings file, failed at every step of its reading and saving: a failed save leaves the old
// file whole and no temporary file, and Execute goes on without a box (names are then simply not
// remembered); a failed read shows the routine's error box and the operation still runs.
#include <gtest/gtest.h>

#include <iostream>
#include <tuple>

#include "FaultInjection.h"
#include "settings/SettingsFile.h"
#include "support/FakeViews.h"
#include "support/MessagePrinter.h"

namespace fw::test {
namespace {

class SettingsFaults : public ::testing::Test {
 protected:
  // Runs Sort Flight Plans from the dialog on a real input over an old settings file, with call
  // nth of step failing; the boxes shown.
  std::vector<Message> Execute(FileStep step, int nth, int error) {
    m_ui.Boxes.Shown.clear();
    Lay(m_ui.Folder, {{"Fleetwright.ini",
                       "[InputFiles]\r\nSortFPFile=C:\\old.txt\r\n"
                       "[OutputFiles]\r\nSortFPFile=C:\\old out.txt\r\n"}});
    FaultyFileSystem faulty;
    faulty.FailAt(step, nth, error);
    FakeDialogView view;
    frmShowFiles dialog(view, m_ui.Services(), m_ui.App(faulty), [] {});
    dialog.SelectOperation(Operation::SortFlightPlans);
    view.SetText(DialogControl::txtInputFiles, m_in);
    view.SetText(DialogControl::txtOutputFile, m_out);
    dialog.cmdExecute_Click();
    return m_ui.Boxes.Shown;
  }

  // The two remembered names, input then output.
  std::pair<std::string, std::string> Saved() const {
    auto settings = SettingsFile::Load(NativeFileSystem(), Ini());
    if (!settings)
      return {"(unreadable)", ""};
    return {settings.value().Get("InputFiles", "SortFPFile"),
            settings.value().Get("OutputFiles", "SortFPFile")};
  }

  std::string Ini() const { return m_ui.Folder.Name("Fleetwright.ini"); }

  FakeUi m_ui;
  TempFolder m_files;
  std::string m_in = m_files.Write("in.txt", "AC#2,b\r\nAC#1,a\r\n");
  std::string m_out = m_files.Name("out.txt");
};

const Message kSorted{MessageIcon::Information, "Sort Success",
                      "Flight plans successfully sorted!"};

TEST_F(SettingsFaults, AFailedSaveKeepsTheOldFileWholeAndShowsNothing) {
  int faults = 0;
  // Execute saves twice (the input list, then the output name) before the operation writes.
  for (const StepFaults& step : kWriteSteps)
    for (const int nth : {1, 2})
      for (const int error : step.Errors) {
        SCOPED_TRACE(std::string(step.What) + " call " + std::to_string(nth));
        EXPECT_EQ(Execute(step.Step, nth, error), std::vector{kSorted});
        EXPECT_EQ(Saved(),
                  std::pair(nth == 1 ? "C:\\old.txt" : m_in, nth == 2 ? "C:\\old out.txt" : m_out));
        EXPECT_EQ(m_ui.Folder.Entries(), std::vector<std::string>{"Fleetwright.ini"});
        ++faults;
      }
  std::cout << "[ faults   ] settings file save: " << faults << " injected\n";
}

TEST_F(SettingsFaults, AFailedReadShowsTheRoutinesBoxAndTheOperationStillRuns) {
  // Reads 1 and 2 load the two boxes when the dialog opens, 3 and 4 come before the two saves.
  for (const auto& [read, routine, inputSaved] :
       {std::tuple{1, "GetINIFile", true}, std::tuple{3, "SaveINIFile", false}}) {
    for (const int error : kReadStep.Errors) {
      const Message failed{MessageIcon::Critical, "Error",
                           "Error in frmShowFiles:" + std::string(routine) + "\r\n" +
                               InjectedFault("cannot read", Ini(), error)};
      EXPECT_EQ(Execute(FileStep::ReadFile, read, error), (std::vector{failed, kSorted}));
      EXPECT_EQ(Saved(), std::pair(inputSaved ? m_in : "C:\\old.txt", m_out));
    }
  }
}

}  // namespace
}  // namespace fw::test
