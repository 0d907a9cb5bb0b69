// Every operation that writes files, failed at every call of every step of the file layer in
// turn: each failure shows its exact message box and leaves every file wholly old or wholly new,
// with no temporary file left behind. The number change, which reads one file while it writes
// another, is also run with its threads' calls in every order.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <ostream>
#include <tuple>

#include "FaultInjection.h"
#include "platform/Paths.h"
#include "records/Messages.h"
#include "records/Operations.h"
#include "support/MessagePrinter.h"
#include "worldai/WorldAIConversion.h"

namespace fw::test {
namespace {

void NoWait(Step) {}

struct Scenario {
  std::string Name;
  Files Before;
  Files After;                     // the folder after a run without faults
  std::vector<std::string> Reads;  // the files read, in order
  std::string Output;              // the file written
  int Writes = 1;
  int Replaces = 1;
  std::function<Message(const TempFolder&, FileSystem&)> Run;
  Message Success;
  std::string FailureText;  // what the failure box says before the description
  MessageIcon FailureIcon = MessageIcon::Critical;
  // The file named when call nth of a step fails, and the folder the failure leaves; when unset,
  // the file read or the output, and the folder as before.
  std::function<std::pair<std::string, Files>(FileStep, int nth)> Fault;
};

// The files as they should be in a folder: "<>" in a text stands for a name in it, such as
// "<>fp.txt" in an evaluation's report.
Files InFolder(Files files, const TempFolder& folder) {
  for (auto& [name, text] : files)
    for (std::size_t at; (at = text.find("<>")) != std::string::npos;)
      text.replace(at, 2, folder.Name(""));
  return files;
}

void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.Name;
}

// 24 000 lines, about 1.3 MB, so that the output is written in more than one block.
std::string Numbered(const char* prefix, bool ascending) {
  std::string text;
  for (int i = 0; i < 24000; ++i) {
    const int n = ascending ? i + 1 : 24000 - i;
    char line[80];
    std::snprintf(line, sizeof line, "%s%05d,a line long enough to fill blocks quickly %05d\r\n",
                  prefix, n, n);
    text += line;
  }
  return text;
}

// Sorts or merges of one kind of file: a box such as "Airports successfully merged!".
Scenario SortOrMerge(const char* name, Operation routine, const char* kind, bool merge,
                     bool airports = false) {
  const char* prefix = airports ? "K" : "AC#";
  // Merges take a small file too, whose lines go before and after the big one's.
  const std::string first = airports ? "A,first" : "AC#0,first";
  const std::string last = airports ? "Z,last" : "AC#99999,last";
  Scenario s;
  s.Name = name;
  s.Before = {{"big.txt", Numbered(prefix, false)}, {"out.txt", "old output\r\n"}};
  s.Reads = {"big.txt"};
  s.Output = "out.txt";
  std::string output = Numbered(prefix, true);
  if (merge) {
    s.Before["small.txt"] = last + "\r\n" + first;
    s.Reads.push_back("small.txt");
    output = first + "\r\n" + output + last + "\r\n";
  }
  s.After = s.Before;
  s.After["out.txt"] = output;
  s.Run = [routine, merge](const TempFolder& folder, FileSystem& fs) {
    OperationRequest request;
    request.Inputs = {folder.Name("big.txt")};
    if (merge)
      request.Inputs = {folder.Name("big.txt"), " " + folder.Name("small.txt") + " ", ""};
    request.Output = folder.Name("out.txt");
    return OutcomeMessage(routine, RunOperation(routine, request, NoWait, fs));
  };
  s.Success = {MessageIcon::Information, merge ? "Merge Success" : "Sort Success",
               std::string(kind) + (merge ? " successfully merged!" : " successfully sorted!")};
  s.FailureText = merge ? "Error during merge.\r\n" : "Error during sort.\r\n";
  return s;
}

Scenario WorldAIConversion() {
  Scenario s;
  s.Name = "ConvertWorldAIAircraftList";
  s.Before = {{"Aircraft Codes.txt", "AB1,Alpha One\r\n"},
              {"Airline Codes.txt", "QQQ,Quebec Air\r\n"},
              {"AddToAircraft.txt", "AC#1,250,\"ai QQQ AB1\"\r\nAC#2,9,\"AI XX ZZ9\""},
              {"AC.txt", "old list\r\n"}};
  s.After = s.Before;
  s.After["AC.txt"] = "AC#1,250,\"ai Alpha One Quebec Air\"\r\nAC#2,9,\"ai ZZ9 XX\"\r\n";
  s.Reads = {"Aircraft Codes.txt", "Airline Codes.txt", "AddToAircraft.txt"};
  s.Output = "AC.txt";
  s.Run = [](const TempFolder& folder, FileSystem& fs) {
    const auto converted =
        ConvertWorldAIAircraftList(WithTrailingSeparator(folder.Path().string()), fs);
    return converted
               ? Message{MessageIcon::Information, "Success", std::string(kConversionSuccessText)}
               : Message{MessageIcon::Exclamation, "Error", converted.error().Message};
  };
  s.Success = {MessageIcon::Information, "Success", "AC.txt File Successfully Created!"};
  s.FailureIcon = MessageIcon::Exclamation;
  return s;
}

// A report about two files replaces an old one.
Scenario Evaluating() {
  Scenario s;
  s.Name = "EvaluateFlightPlans";
  s.Before = {{"fp.txt", "AC#1,X,1%,WEEK,IFR,0/06:00,0/08:00,10,F,1,KBBB\r\n"},
              {"ap.txt", "KBBB,1\r\n"},
              {"out.txt", "old report\r\n"}};
  s.After = s.Before;
  s.After["out.txt"] =
      "<>fp.txt:1: warning: leg 1 goes to \"KBBB\", the airport it departs from\r\n\r\n"
      "<>fp.txt: flight plans, 1 entry (1 distinct, 0 duplicate lines), 0 comment lines, no "
      "FSXDAYS line, 1 aircraft number (1 to 1), 1 leg\r\n"
      "<>ap.txt: airports, 1 entry (1 distinct, 0 duplicate lines), 0 comment lines, no FSXDAYS "
      "line\r\nTotal: 2 files, 2 entries, 0 errors, 1 warning\r\n";
  s.Reads = {"fp.txt", "ap.txt"};
  s.Output = "out.txt";
  s.Run = [](const TempFolder& folder, FileSystem& fs) {
    OperationRequest request;
    request.Inputs = {folder.Name("fp.txt"), folder.Name("ap.txt")};
    request.Output = folder.Name("out.txt");
    auto outcome = RunOperation(Operation::EvaluateFlightPlans, request, NoWait, fs);
    // The report's name is the folder's, which changes from run to run.
    if (outcome)
      outcome.value().Report = "out.txt";
    return OutcomeMessage(Operation::EvaluateFlightPlans, outcome);
  };
  s.Success = {MessageIcon::Information, "Evaluation Complete",
               "0 errors and 1 warnings in 2 files.\r\nReport written to \"out.txt\"."};
  s.FailureText = "Error during evaluation.\r\n";
  return s;
}

// Number 5 becomes 7 over three files: A has one, B two equal lines (written once), C none but
// is unsorted. A failure leaves the files before the failing one wholly rewritten (and backed
// up), the failing one untouched (its backup made when the failure came after it), the ones
// after it untouched and not backed up.
Scenario NumberChange(bool backups) {
  const std::vector<std::string> names = {"A.txt", "B.txt", "C.txt"};
  const std::vector<std::string> olds = {"AC#5,a\r\nAC#1,x\r\n", "AC#5,b\r\nAC#5,b\r\nAC#9,y",
                                         "AC#3,c\r\nAC#2,d"};
  const std::vector<std::string> news = {"AC#1,x\r\nAC#7,a\r\n", "AC#7,b\r\nAC#9,y\r\n",
                                         "AC#2,d\r\nAC#3,c\r\n"};
  const auto rewrittenUpTo = [=](std::size_t done, bool backedUp) {
    Files files{{"B.txt.BAK", "stale backup"}};
    for (std::size_t i = 0; i < names.size(); ++i)
      files[names[i]] = i < done ? news[i] : olds[i];
    for (std::size_t i = 0; backups && i < done; ++i)
      files[names[i] + ".BAK"] = olds[i];
    if (backedUp)
      files[names[done] + ".BAK"] = olds[done];
    return files;
  };
  Scenario s;
  s.Name = backups ? "ChangeACNumbersWithBackups" : "ChangeACNumbersWithoutBackups";
  s.Before = rewrittenUpTo(0, false);
  s.After = rewrittenUpTo(3, false);
  // With backups each file's backup is put in place (the file under a second name, renamed over
  // the old backup) before the file is read and rewritten.
  s.Reads = names;
  s.Writes = 3;
  s.Replaces = backups ? 6 : 3;
  s.Run = [backups](const TempFolder& folder, FileSystem& fs) {
    OperationRequest request;
    request.Inputs = {folder.Name("A.txt"), folder.Name("B.txt"), "", folder.Name("C.txt")};
    request.From = 5;
    request.To = 7;
    request.Backup = backups;
    return OutcomeMessage(Operation::ChangeACNumbers, ChangeACNumbers(request, NoWait, fs));
  };
  s.Success = {MessageIcon::Information, "Aircraft # Change Success",
               "3 aircraft numbers successfully changed!"};
  s.FailureText = "Error during aircraft # change.\r\n";
  s.Fault = [=](FileStep step, int nth) {
    const bool twoReplaces = backups && step == FileStep::ReplaceTarget;
    const auto file = static_cast<std::size_t>((nth - 1) / (twoReplaces ? 2 : 1));
    const bool placingBackup = twoReplaces && (nth - 1) % 2 == 0;
    return std::pair{names[file] + (placingBackup ? ".BAK" : ""),
                     rewrittenUpTo(file, backups && !placingBackup)};
  };
  return s;
}

// A failure of call Nth of a step (none when Nth is 0) with an error, and how it is described.
struct Fault {
  FileStep Step = FileStep::ReadFile;
  int Nth = 0;
  int Error = 0;
  const char* What = "";
};

// Every call that counting saw of every step failed in turn, with each of the step's errors or
// with the first only.
std::vector<Fault> EveryFaultOf(const FaultyFileSystem& counting, bool everyError) {
  std::vector<StepFaults> steps = kWriteSteps;
  steps.push_back(kReadStep);
  std::vector<Fault> faults;
  for (const StepFaults& step : steps)
    for (int nth = 1; nth <= counting.Calls(step.Step); ++nth)
      for (std::size_t e = 0; e < (everyError ? step.Errors.size() : 1); ++e)
        faults.push_back({step.Step, nth, step.Errors[e], step.What});
  return faults;
}

// Runs s in a fresh folder on fs, which fails as fault says, and checks the message and every
// file: as after a run without faults, or as s.Fault says the failure leaves them.
void RunAndCheck(const Scenario& s, const Fault& fault, FaultyFileSystem& fs,
                 const std::string& order = "") {
  TempFolder folder;
  Lay(folder, s.Before);
  fs.FailAt(fault.Step, fault.Nth, fault.Error);
  Message expected = s.Success;
  Files left = s.After;
  if (fault.Nth != 0) {
    std::string name = fault.Step == FileStep::ReadFile ? s.Reads[fault.Nth - 1] : s.Output;
    left = s.Before;
    if (s.Fault)
      std::tie(name, left) = s.Fault(fault.Step, fault.Nth);
    expected = {s.FailureIcon, "Error",
                s.FailureText + InjectedFault(fault.What, folder.Name(name), fault.Error)};
  }
  SCOPED_TRACE(std::string(fault.What) + " call " + std::to_string(fault.Nth) + " error " +
               std::to_string(fault.Error) + order);
  EXPECT_EQ(s.Run(folder, fs), expected);
  EXPECT_EQ(Snapshot(folder), InFolder(left, folder));
  EXPECT_EQ(fs.Schedule().Faults(), std::vector<std::string>{});
}

std::string ScenarioName(const ::testing::TestParamInfo<Scenario>& scenario) {
  return scenario.param.Name;
}

class EveryFault : public ::testing::TestWithParam<Scenario> {};

// Runs s without faults on counting, which then knows how many calls of each step it makes.
void RunWithoutFaults(const Scenario& s, FaultyFileSystem& counting) {
  TempFolder folder;
  Lay(folder, s.Before);
  ASSERT_EQ(s.Run(folder, counting), s.Success);
  ASSERT_EQ(Snapshot(folder), InFolder(s.After, folder));
}

TEST_P(EveryFault, LeavesEachFileWhollyOldOrNewAndSaysWhatFailed) {
  const Scenario& s = GetParam();
  FaultyFileSystem counting;
  ASSERT_NO_FATAL_FAILURE(RunWithoutFaults(s, counting));
  ASSERT_EQ(counting.Calls(FileStep::ReadFile), static_cast<int>(s.Reads.size()));
  for (const FileStep step : {FileStep::CreateTempFile, FileStep::FlushAndClose})
    ASSERT_EQ(counting.Calls(step), s.Writes);
  ASSERT_EQ(counting.Calls(FileStep::ReplaceTarget), s.Replaces);

  const std::vector<Fault> faults = EveryFaultOf(counting, true);
  for (const Fault& fault : faults) {
    FaultyFileSystem faulty;
    RunAndCheck(s, fault, faulty);
  }
  std::cout << "[ faults   ] " << s.Name << ": " << faults.size() << " injected\n";
}

INSTANTIATE_TEST_SUITE_P(
    EachOperation, EveryFault,
    ::testing::Values(
        SortOrMerge("SortFlightPlans", Operation::SortFlightPlans, "Flight plans", false),
        SortOrMerge("MergeFlightPlans", Operation::MergeFlightPlans, "Flight plans", true),
        SortOrMerge("SortAirports", Operation::SortAirports, "Airports", false, true),
        SortOrMerge("MergeAirports", Operation::MergeAirports, "Airports", true, true),
        SortOrMerge("SortAircraft", Operation::SortAircraft, "Aircraft", false),
        SortOrMerge("MergeAircraft", Operation::MergeAircraft, "Aircraft", true),
        WorldAIConversion(), Evaluating(), NumberChange(false), NumberChange(true)),
    ScenarioName);

// The number change reads the next file while it writes one. Without faults and with each, the
// read is put in every place among the writer's calls, and once held open until the writer has
// to wait for it: the outcome is the same each time, and no call touches the file being read.
class EveryInterleaving : public ::testing::TestWithParam<Scenario> {};

TEST_P(EveryInterleaving, OfTheReadAheadAndTheWritesEndsAlike) {
  const Scenario& s = GetParam();
  FaultyFileSystem counting;
  ASSERT_NO_FATAL_FAILURE(RunWithoutFaults(s, counting));
  std::vector<Fault> faults = EveryFaultOf(counting, false);
  faults.insert(faults.begin(), Fault{});
  int orders = 0;
  for (const Fault& fault : faults) {
    FaultyFileSystem free;
    RunAndCheck(s, fault, free);
    // A failure can come before anything is read ahead.
    const std::vector<int> ahead = free.Schedule().CallsAhead();
    const int most = ahead.empty() ? -1 : *std::max_element(ahead.begin(), ahead.end());
    for (int start = 0; start <= most; ++start)
      for (int end = start; end <= most; ++end) {
        FaultyFileSystem held;
        held.Schedule().Hold(start, end, ahead);
        RunAndCheck(s, fault, held,
                    " read ahead from " + std::to_string(start) + " to " + std::to_string(end));
        ++orders;
      }
  }
  FaultyFileSystem held;
  held.Schedule().Hold(0, ReadAheadSchedule::kUntilWriterWaits, counting.Schedule().CallsAhead());
  RunAndCheck(s, Fault{}, held, " read ahead held until the writer waits");
  EXPECT_GT(orders, 0);
  std::cout << "[ orders   ] " << s.Name << ": " << orders << " tried\n";
}

INSTANTIATE_TEST_SUITE_P(NumberChange, EveryInterleaving,
                         ::testing::Values(NumberChange(false), NumberChange(true)), ScenarioName);

}  // namespace
}  // namespace fw::test
