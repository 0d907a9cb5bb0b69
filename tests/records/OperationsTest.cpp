#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/Operations.h"
#include "support/FaultyFileSystem.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
using Texts = std::vector<std::string>;
using Operation = Message (*)(const OperationTexts&, const WaitMessage&, FileSystem&);

// Runs an operation, keeping the wait texts it shows.
struct Performed {
  Performed(Operation operation, const std::string& input, const std::string& output) {
    outcome = operation(
        OperationTexts{input, output, {}, {}, true},
        [this](std::string_view text) { waits.emplace_back(text); }, NativeFileSystem());
  }
  Message outcome;
  Texts waits;
};

const Texts kSortWaits{"Please Wait. Reading input file...", "Please Wait. Sorting input file...",
                       "Please Wait. Writing output file..."};
const Texts kMergeWaits{"Please Wait. Reading input file(s)...",
                        "Please Wait. Sorting input file(s)...",
                        "Please Wait. Writing output file..."};

constexpr const char* kFlightPlans = "AC#2,b\r\nAC#1,a\r\nAC#2,b";
constexpr const char* kAirports = "KXYZ,2\r\nABCD,1\r\nKXYZ,3";

struct Member {
  const char* Name;
  Operation Routine;
  const char* Input;
  const char* Output;
  bool Merge;
  const char* SuccessTitle;
  const char* SuccessText;
  const char* FailureText;
  friend void PrintTo(const Member& member, std::ostream* out) { *out << member.Name; }
};

const Member kMembers[] = {
    {"SortFlightPlans", SortFlightPlans, kFlightPlans, "AC#1,a\r\nAC#2,b\r\n", false,
     "Sort Success", "Flight plans successfully sorted!", "Error during sort."},
    {"MergeFlightPlans", MergeFlightPlans, kFlightPlans, "AC#1,a\r\nAC#2,b\r\n", true,
     "Merge Success", "Flight plans successfully merged!", "Error during merge."},
    {"SortAirports", SortAirports, kAirports, "ABCD,1\r\nKXYZ,2\r\n", false, "Sort Success",
     "Airports successfully sorted!", "Error during sort."},
    {"MergeAirports", MergeAirports, kAirports, "ABCD,1\r\nKXYZ,2\r\n", true, "Merge Success",
     "Airports successfully merged!", "Error during merge."},
    {"SortAircraft", SortAircraft, kFlightPlans, "AC#1,a\r\nAC#2,b\r\n", false, "Sort Success",
     "Aircraft successfully sorted!", "Error during sort."},
    {"MergeAircraft", MergeAircraft, kFlightPlans, "AC#1,a\r\nAC#2,b\r\n", true, "Merge Success",
     "Aircraft successfully merged!", "Error during merge."},
};

class EachOperation : public testing::TestWithParam<Member> {};

TEST_P(EachOperation, WritesTheOutputAndReportsSuccess) {
  const Member& member = GetParam();
  TempFolder folder;
  const std::string input = folder.Write("in.txt", member.Input);
  // Surrounding spaces are not part of either name.
  const Performed run(member.Routine, "  " + input + " ", " " + folder.Name("out.txt") + "  ");
  EXPECT_EQ(run.outcome,
            (Message{MessageIcon::Information, member.SuccessTitle, member.SuccessText}));
  EXPECT_EQ(run.waits, member.Merge ? kMergeWaits : kSortWaits);
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")), member.Output);
}

TEST_P(EachOperation, ReportsAFailureWithItsTextAndTheReason) {
  const Member& member = GetParam();
  TempFolder folder;
  const std::string output = folder.Write("out.txt", "kept\r\n");
  const Performed run(member.Routine, folder.Name("missing.txt"), output);
  EXPECT_EQ(run.outcome,
            (Message{MessageIcon::Critical, "Error",
                     std::string(member.FailureText) + "\r\ncannot open \"" +
                         folder.Name("missing.txt") + "\": No such file or directory"}));
  EXPECT_EQ(run.waits, Texts{(member.Merge ? kMergeWaits : kSortWaits).front()});
  EXPECT_EQ(ReadBytes(output), "kept\r\n");
}

INSTANTIATE_TEST_SUITE_P(SortAndMerge, EachOperation, testing::ValuesIn(kMembers),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SortFlightPlans, KeepsTheQuickPassOrderAmongEqualNumbers) {
  TempFolder folder;
  const std::string input =
      folder.Write("fp.txt", "AC#5,a\r\nAC#3,b\r\nAC#5,c\r\nAC#1,d\r\nAC#5,e\r\nAC#2,f\r\n");
  const Performed run(SortFlightPlans, input, folder.Name("out.txt"));
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")),
            "AC#1,d\r\nAC#2,f\r\nAC#3,b\r\nAC#5,c\r\nAC#5,e\r\nAC#5,a\r\n");
}

TEST(SortAirports, KeepsTheFirstOfEqualIdsInSortedOrder) {
  TempFolder folder;
  // The empty line does not end the data; " E " is the ID E.
  const std::string input = folder.Write("ap.txt", "E,a\r\n\r\nC,b\r\n E ,c\r\nA,d\r\nE,e\r\nB,f");
  const Performed run(SortAirports, input, folder.Name("out.txt"));
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")), "A,d\r\nB,f\r\nC,b\r\n E ,c\r\n");
}

TEST(SortFlightPlans, WritesOverItsOwnInput) {
  TempFolder folder;
  const std::string file = folder.Write("fp.txt", "\r\nAC#9,z\nAC#3,c\r\n\r\nAC#9,z\rAC#3,a");
  const Performed run(SortFlightPlans, file, file);
  EXPECT_EQ(run.outcome.Icon, MessageIcon::Information);
  EXPECT_EQ(ReadBytes(file), "AC#3,c\r\nAC#3,a\r\nAC#9,z\r\n");
  EXPECT_EQ(folder.Entries(), Texts{"fp.txt"});
}

TEST(MergeFlightPlans, WritesEachLineOnceWhenAFileIsListedTwice) {
  TempFolder folder;
  const std::string input = folder.Write("fp.txt", "AC#2,b\r\nAC#1,a\r\nAC#2,c");
  const Performed run(MergeFlightPlans, input + "\r\n" + input, folder.Name("out.txt"));
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")), "AC#1,a\r\nAC#2,b\r\nAC#2,c\r\n");

  const std::string airports = folder.Write("ap.txt", "KXYZ,2\r\nABCD,1");
  const Performed twice(MergeAirports, airports + "\r\n" + airports, folder.Name("out.txt"));
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")), "ABCD,1\r\nKXYZ,2\r\n");
}

TEST(MergeAircraft, SkipsBlankNamesAndMergesSharedLinesOnce) {
  TempFolder folder;
  const std::string first = folder.Write("a.txt", "AC#4,x\r\nAC#1,a\r\n");
  const std::string second = folder.Write("b.txt", "AC#4,y\r\nAC#4,x\r\n");
  const Performed run(MergeAircraft, "\r\n  " + first + " \r\n   \r\n\r\n" + second + "\r\n",
                      folder.Name("out.txt"));
  EXPECT_EQ(run.outcome.Icon, MessageIcon::Information);
  EXPECT_EQ(ReadBytes(folder.Name("out.txt")), "AC#1,a\r\nAC#4,x\r\nAC#4,y\r\n");
}

TEST(MergeFlightPlans, EmptyInputsGiveAnEmptyOutput) {
  TempFolder folder;
  const std::string output = folder.Write("out.txt", "earlier\r\n");
  const Performed run(MergeFlightPlans,
                      folder.Write("a.txt", "") + "\r\n" + folder.Write("b.txt", "\r\n"), output);
  EXPECT_EQ(run.outcome.Icon, MessageIcon::Information);
  EXPECT_EQ(ReadBytes(output), "");
}

TEST(MergeFlightPlans, AnUnreadableNumberInAnyInputLeavesTheOutputUntouched) {
  TempFolder folder;
  const std::string output = folder.Write("out.txt", "earlier\r\n");
  const std::string bad = folder.Write("b.txt", "AC#1,a\r\nAC#x,b\r\n");
  const Performed run(
      MergeFlightPlans,
      folder.Write("a.txt", "AC#3,c") + "\r\n" + bad + "\r\n" + folder.Write("c.txt", "AC#4,d"),
      output);
  EXPECT_EQ(run.outcome, (Message{MessageIcon::Critical, "Error",
                                  "Error during merge.\r\nline 2 of \"" + bad +
                                      "\": \"AC#x\" has no aircraft number"}));
  EXPECT_EQ(ReadBytes(output), "earlier\r\n");
  EXPECT_EQ(folder.Entries(), (Texts{"a.txt", "b.txt", "c.txt", "out.txt"}));
}

TEST(MergeAirports, AFileThatCannotBeReadLeavesTheOutputUntouched) {
  TempFolder folder;
  const std::string output = folder.Write("out.txt", "earlier\r\n");
  const std::string second = folder.Write("b.txt", "KXYZ,2");
  test::FaultyFileSystem faulty;
  faulty.FailAt(test::FileStep::ReadFile, 2);
  const Message outcome = MergeAirports(
      OperationTexts{folder.Write("a.txt", "ABCD,1") + "\r\n" + second, output, {}, {}, true},
      [](std::string_view) {}, faulty);
  EXPECT_EQ(outcome,
            (Message{MessageIcon::Critical, "Error",
                     "Error during merge.\r\n" + test::InjectedFault("cannot read", second)}));
  EXPECT_EQ(ReadBytes(output), "earlier\r\n");
  EXPECT_EQ(faulty.Calls(test::FileStep::CreateTempFile), 0);
}

TEST(SortAirports, AnOutputNamingAFolderFailsAndLeavesTheFolderEmpty) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "out");
  const std::string output = folder.Name("out") + "/";
  const Performed run(SortAirports, folder.Write("ap.txt", "ABCD,1"), output);
  EXPECT_EQ(run.outcome.Icon, MessageIcon::Critical);
  const std::string failed = "Error during sort.\r\ncannot replace \"" + output + "\": ";
  EXPECT_EQ(run.outcome.Text.substr(0, failed.size()), failed);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "out"));
}

}  // namespace
}  // namespace fw
