// The settings file, failed at every step of its reading and saving: a failed save leaves the old
// file whole and no temporary file, and Execute goes on without a box (names are then simply not
// remembered); a failed read shows the routine's error box and the operation still runs.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iostream>

#include "FaultInjection.h"
#include "dialog/SettingsFile.h"
#include "dialog/frmShowFiles.h"
#include "support/FakePlatform.h"

namespace fw::test {
namespace {

constexpr const char* kOldSettings =
    "[InputFiles]\r\nSortFPFile=C:\\old.txt\r\n[OutputFiles]\r\nSortFPFile=C:\\old out.txt\r\n";

std::string Get(const std::string& path, const char* section) {
  auto settings = SettingsFile::Load(NativeFileSystem(), path);
  return settings ? settings.value().Get(section, "SortFPFile") : "(unreadable)";
}

class SettingsFaults : public ::testing::Test {
 protected:
  // Runs Sort Flight Plans from the dialog on a real input; the boxes shown.
  std::vector<ShownBox> Execute(FileSystem& fs) {
    const UiServices real = m_ui.Services();
    const UiServices services{real.Boxes,   real.Files, real.Documents,
                              real.Pointer, fs,         real.ProgramFolder};
    auto* dialog = new frmShowFiles(services, nullptr, [] {});
    dialog->SelectOperation(0);
    dialog->findChild<QPlainTextEdit*>("txtInputFiles")
        ->setPlainText(QString::fromStdString(m_input));
    dialog->findChild<QLineEdit*>("txtOutputFile")->setText(QString::fromStdString(m_output));
    dialog->findChild<QPushButton*>("cmdExecute")->click();
    delete dialog;
    return m_ui.Boxes.Shown;
  }

  std::string Ini() const { return m_ui.Folder.Name("Fleetwright.ini"); }

  FakeUi m_ui;
  TempFolder m_files;
  std::string m_input = m_files.Write("in.txt", "AC#2,b\r\nAC#1,a\r\n");
  std::string m_output = m_files.Name("out.txt");
};

bool SameBox(const ShownBox& box, BoxIcon icon, const std::string& title, const std::string& text) {
  return box.Icon == icon && box.Title == title && box.Text == text;
}

TEST_F(SettingsFaults, AFailedSaveKeepsTheOldFileWholeAndShowsNothing) {
  int faults = 0;
  // Execute saves twice (the input list, then the output name) before the operation writes.
  for (const StepFaults& step : kWriteSteps) {
    for (const int nth : {1, 2}) {
      for (const int error : step.Errors) {
        m_ui.Boxes.Shown.clear();
        Lay(m_ui.Folder, {{"Fleetwright.ini", kOldSettings}});
        FaultyFileSystem faulty;
        faulty.FailAt(step.Step, nth, error);
        const std::vector<ShownBox> boxes = Execute(faulty);
        const std::string where = std::string(step.What) + " call " + std::to_string(nth);
        ASSERT_EQ(boxes.size(), 1u) << where;
        EXPECT_TRUE(SameBox(boxes[0], BoxIcon::Information, "Sort Success",
                            "Flight plans successfully sorted!"))
            << where;
        EXPECT_EQ(Get(Ini(), "InputFiles"), nth == 1 ? "C:\\old.txt" : m_input) << where;
        EXPECT_EQ(Get(Ini(), "OutputFiles"), nth == 2 ? "C:\\old out.txt" : m_output) << where;
        EXPECT_EQ(m_ui.Folder.Entries(), std::vector<std::string>{"Fleetwright.ini"}) << where;
        ++faults;
      }
    }
  }
  std::cout << "[ faults   ] settings file save: " << faults << " injected\n";
  RecordProperty("faults_injected", faults);
}

TEST_F(SettingsFaults, AFailedReadShowsTheRoutinesBoxAndTheOperationStillRuns) {
  // Reads 1 and 2 load the two boxes when the dialog opens, 3 and 4 come before the two saves.
  struct Case {
    int Read;
    const char* Routine;
    bool InputSaved;
  };
  for (const Case c : {Case{1, "GetINIFile", true}, Case{3, "SaveINIFile", false}}) {
    for (const int error : kReadStep.Errors) {
      m_ui.Boxes.Shown.clear();
      Lay(m_ui.Folder, {{"Fleetwright.ini", kOldSettings}});
      FaultyFileSystem faulty;
      faulty.FailAt(FileStep::ReadFile, c.Read, error);
      const std::vector<ShownBox> boxes = Execute(faulty);
      ASSERT_EQ(boxes.size(), 2u) << c.Routine;
      EXPECT_TRUE(SameBox(boxes[0], BoxIcon::Critical, "Error",
                          "Error in frmShowFiles:" + std::string(c.Routine) + "\r\n" +
                              InjectedFault("cannot read", Ini(), error)))
          << boxes[0].Text;
      EXPECT_EQ(boxes[1].Title, "Sort Success");
      EXPECT_EQ(Get(Ini(), "InputFiles"), c.InputSaved ? m_input : "C:\\old.txt") << c.Routine;
      EXPECT_EQ(Get(Ini(), "OutputFiles"), m_output) << c.Routine;
    }
  }
}

}  // namespace
}  // namespace fw::test
