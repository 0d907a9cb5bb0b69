// The number change over three files, failed at every call of every step in turn: the files
// before the failing one are wholly rewritten (and backed up), the failing one is untouched (its
// backup made when the failure came after it), the ones after it are untouched and not backed up.
#include <gtest/gtest.h>

#include <iostream>

#include "FaultInjection.h"
#include "records/Operations.h"
#include "support/MessagePrinter.h"

namespace fw::test {
namespace {

void NoWait(std::string_view) {}

const std::vector<std::string> kNames = {"A.txt", "B.txt", "C.txt"};
// Number 5 becomes 7: A has one, B two equal lines (written once), C none but is unsorted.
const std::vector<std::string> kOld = {"AC#5,a\r\nAC#1,x\r\n", "AC#5,b\r\nAC#5,b\r\nAC#9,y",
                                       "AC#3,c\r\nAC#2,d"};
const std::vector<std::string> kNew = {"AC#1,x\r\nAC#7,a\r\n", "AC#7,b\r\nAC#9,y\r\n",
                                       "AC#2,d\r\nAC#3,c\r\n"};

Files Before() {
  Files files{{"B.txt.BAK", "stale backup"}};
  for (std::size_t i = 0; i < kNames.size(); ++i)
    files[kNames[i]] = kOld[i];
  return files;
}

// The folder once files 0..done-1 are rewritten, each after its backup when backups are made,
// and file `done` is backed up too when backedUp.
Files RewrittenUpTo(std::size_t done, bool backups, bool backedUp) {
  Files files = Before();
  for (std::size_t i = 0; i < done; ++i) {
    files[kNames[i]] = kNew[i];
    if (backups)
      files[kNames[i] + ".BAK"] = kOld[i];
  }
  if (backedUp)
    files[kNames[done] + ".BAK"] = kOld[done];
  return files;
}

Message Change(const TempFolder& folder, bool backups, FileSystem& fs) {
  const std::string list =
      folder.Name("A.txt") + "\r\n" + folder.Name("B.txt") + "\r\n\r\n" + folder.Name("C.txt");
  return ChangeACNumbers(OperationTexts{list, {}, "5", "7", backups}, NoWait, fs);
}

Message Failure(const std::string& description) {
  return Message{MessageIcon::Critical, "Error",
                 "Error during aircraft # change.\r\n" + description};
}

class NumberChangeFaults : public ::testing::TestWithParam<bool> {};

TEST_P(NumberChangeFaults, StopAtTheFailingFileWithTheOnesBeforeItWhollyRewritten) {
  const bool backups = GetParam();
  // With backups each file is copied (read, written) before it is read and rewritten.
  const int perFile = backups ? 2 : 1;
  {
    TempFolder folder;
    Lay(folder, Before());
    FaultyFileSystem counting;
    ASSERT_EQ(Change(folder, backups, counting),
              (Message{MessageIcon::Information, "Aircraft # Change Success",
                       "3 aircraft numbers successfully changed!"}));
    ASSERT_EQ(Snapshot(folder), RewrittenUpTo(3, backups, false));
    for (const FileStep step : {FileStep::ReadFile, FileStep::CreateTempFile, FileStep::Write,
                                FileStep::FlushAndClose, FileStep::ReplaceTarget})
      ASSERT_EQ(counting.Calls(step), 3 * perFile);
  }

  int faults = 0;
  std::vector<StepFaults> steps = kWriteSteps;
  steps.push_back(kReadStep);
  for (const StepFaults& step : steps) {
    for (int nth = 1; nth <= 3 * perFile; ++nth) {
      const std::size_t file = static_cast<std::size_t>((nth - 1) / perFile);
      const bool copying = backups && (nth - 1) % 2 == 0;  // the call of the backup copy
      // A read of the file itself comes after its backup; a write of it after its backup too.
      const bool backedUp = backups && !copying;
      const std::string target =
          kNames[file] + (step.Step != FileStep::ReadFile && copying ? ".BAK" : "");
      for (const int error : step.Errors) {
        TempFolder folder;
        Lay(folder, Before());
        FaultyFileSystem faulty;
        faulty.FailAt(step.Step, nth, error);
        const std::string where = std::string(step.What) + " call " + std::to_string(nth) +
                                  " error " + std::to_string(error);
        EXPECT_EQ(Change(folder, backups, faulty),
                  Failure(InjectedFault(step.What, folder.Name(target), error)))
            << where;
        EXPECT_EQ(Snapshot(folder), RewrittenUpTo(file, backups, backedUp)) << where;
        ++faults;
      }
    }
  }
  std::cout << "[ faults   ] ChangeACNumbers " << (backups ? "with" : "without")
            << " backups: " << faults << " injected\n";
  RecordProperty("faults_injected", faults);
}

INSTANTIATE_TEST_SUITE_P(BackupsOrNot, NumberChangeFaults, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "WithBackups" : "WithoutBackups");
                         });

}  // namespace
}  // namespace fw::test
