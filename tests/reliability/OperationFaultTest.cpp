// The six sorts and merges and the World AI conversion, failed at every call of every step of the
// file layer in turn: each failure shows its exact message box and leaves the folder as it was,
// byte for byte (inputs, the old output, no temporary file).
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <ostream>

#include "FaultInjection.h"
#include "records/Operations.h"
#include "shell/Paths.h"
#include "support/MessagePrinter.h"
#include "worldai/WorldAIConversion.h"

namespace fw::test {
namespace {

void NoWait(std::string_view) {}

struct Scenario {
  const char* Name;
  Files Before;
  Files After;                     // the folder after a run without faults
  std::vector<std::string> Reads;  // the files read, in order
  std::string Target;              // the file written
  std::function<Message(const TempFolder&, FileSystem&)> Run;
  Message Success;
  std::function<Message(const std::string&)> Failure;  // the box for a failure's description
};

// 24 000 lines numbered downwards, about 1.3 MB, so that the output is written in more than one
// block; sorted, they stand in the opposite order.
std::string Numbered(const char* prefix, bool ascending) {
  std::string text;
  constexpr int kLines = 24000;
  for (int i = 0; i < kLines; ++i) {
    const int n = ascending ? i + 1 : kLines - i;
    char line[80];
    std::snprintf(line, sizeof line, "%s%05d,a line long enough to fill blocks quickly %05d\r\n",
                  prefix, n, n);
    text += line;
  }
  return text;
}

Message Box(MessageIcon icon, const char* title, const std::string& text) {
  return Message{icon, title, text};
}

using Routine = Message (*)(const OperationTexts&, const WaitMessage&, FileSystem&);

Scenario SortOrMerge(const char* name, Routine routine, bool merge, bool airports,
                     const char* successTitle, const char* successText) {
  const char* prefix = airports ? "K" : "AC#";
  // Merges take a small file too, whose lines go before and after the big one's.
  const std::string first = airports ? "A,first" : "AC#0,first";
  const std::string last = airports ? "Z,last" : "AC#99999,last";
  Scenario s{name, {}, {}, {}, "out.txt", {}, {}, {}};
  s.Before = {{"big.txt", Numbered(prefix, false)}, {"out.txt", "old output\r\n"}};
  s.Reads = {"big.txt"};
  std::string output = Numbered(prefix, true);
  if (merge) {
    s.Before["small.txt"] = last + "\r\n" + first;
    s.Reads.push_back("small.txt");
    output = first + "\r\n" + output + last + "\r\n";
  }
  s.After = s.Before;
  s.After["out.txt"] = output;
  s.Run = [routine, merge](const TempFolder& folder, FileSystem& fs) {
    const std::string inputs =
        merge ? folder.Name("big.txt") + "\r\n " + folder.Name("small.txt") + " \r\n"
              : folder.Name("big.txt");
    return routine(OperationTexts{inputs, folder.Name("out.txt"), {}, {}, false}, NoWait, fs);
  };
  s.Success = Box(MessageIcon::Information, successTitle, successText);
  const std::string failureText = merge ? "Error during merge." : "Error during sort.";
  s.Failure = [failureText](const std::string& description) {
    return Box(MessageIcon::Critical, "Error", failureText + "\r\n" + description);
  };
  return s;
}

Scenario WorldAIConversion() {
  Scenario s{"ConvertWorldAIAircraftList", {}, {}, {}, "AC.txt", {}, {}, {}};
  s.Before = {{"Aircraft Codes.txt", "AB1,Alpha One\r\n"},
              {"Airline Codes.txt", "QQQ,Quebec Air\r\n"},
              {"AddToAircraft.txt", "AC#1,250,\"ai QQQ AB1\"\r\nAC#2,9,\"AI XX ZZ9\""},
              {"AC.txt", "old list\r\n"}};
  s.After = s.Before;
  s.After["AC.txt"] = "AC#1,250,\"ai Alpha One Quebec Air\"\r\nAC#2,9,\"ai ZZ9 XX\"\r\n";
  s.Reads = {"Aircraft Codes.txt", "Airline Codes.txt", "AddToAircraft.txt"};
  s.Run = [](const TempFolder& folder, FileSystem& fs) {
    return ConvertWorldAIAircraftList(WithTrailingSeparator(folder.Path().string()), fs);
  };
  s.Success = Box(MessageIcon::Information, "Success", "AC.txt File Successfully Created!");
  s.Failure = [](const std::string& description) {
    return Box(MessageIcon::Exclamation, "Error",
               "Error in frmMain:cmdChangeWorldAIAircraft_Click(): " + description);
  };
  return s;
}

// Names the scenario in test listings instead of dumping its bytes.
void PrintTo(const Scenario& scenario, std::ostream* out) {
  *out << scenario.Name;
}

class EveryFault : public ::testing::TestWithParam<Scenario> {};

TEST_P(EveryFault, LeavesTheFolderAsItWasAndSaysWhatFailed) {
  const Scenario& s = GetParam();
  FaultyFileSystem counting;
  {
    TempFolder folder;
    Lay(folder, s.Before);
    ASSERT_EQ(s.Run(folder, counting), s.Success);
    ASSERT_EQ(Snapshot(folder), s.After);
  }
  ASSERT_EQ(counting.Calls(FileStep::ReadFile), static_cast<int>(s.Reads.size()));
  ASSERT_EQ(counting.Calls(FileStep::CreateTempFile), 1);
  ASSERT_EQ(counting.Calls(FileStep::FlushAndClose), 1);
  ASSERT_EQ(counting.Calls(FileStep::ReplaceTarget), 1);

  int faults = 0;
  auto inject = [&](const StepFaults& step, int nth, const std::string& name) {
    for (const int error : step.Errors) {
      TempFolder folder;
      Lay(folder, s.Before);
      FaultyFileSystem faulty;
      faulty.FailAt(step.Step, nth, error);
      EXPECT_EQ(s.Run(folder, faulty),
                s.Failure(InjectedFault(step.What, folder.Name(name), error)))
          << step.What << " call " << nth << " error " << error;
      EXPECT_EQ(Snapshot(folder), s.Before) << step.What << " call " << nth << " error " << error;
      ++faults;
    }
  };
  for (std::size_t nth = 1; nth <= s.Reads.size(); ++nth)
    inject(kReadStep, static_cast<int>(nth), s.Reads[nth - 1]);
  for (const StepFaults& step : kWriteSteps) {
    for (int nth = 1; nth <= counting.Calls(step.Step); ++nth)
      inject(step, nth, s.Target);
  }
  std::cout << "[ faults   ] " << s.Name << ": " << faults << " injected, "
            << counting.Calls(FileStep::Write) << " writes\n";
  RecordProperty("faults_injected", faults);
}

INSTANTIATE_TEST_SUITE_P(
    EachOperation, EveryFault,
    ::testing::Values(SortOrMerge("SortFlightPlans", SortFlightPlans, false, false, "Sort Success",
                                  "Flight plans successfully sorted!"),
                      SortOrMerge("MergeFlightPlans", MergeFlightPlans, true, false,
                                  "Merge Success", "Flight plans successfully merged!"),
                      SortOrMerge("SortAirports", SortAirports, false, true, "Sort Success",
                                  "Airports successfully sorted!"),
                      SortOrMerge("MergeAirports", MergeAirports, true, true, "Merge Success",
                                  "Airports successfully merged!"),
                      SortOrMerge("SortAircraft", SortAircraft, false, false, "Sort Success",
                                  "Aircraft successfully sorted!"),
                      SortOrMerge("MergeAircraft", MergeAircraft, true, false, "Merge Success",
                                  "Aircraft successfully merged!"),
                      WorldAIConversion()),
    [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace fw::test
