#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/Messages.h"
#include "records/OperationTable.h"
#include "records/Operations.h"
#include "records/Texts.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
using Texts = std::vector<std::string>;

// Runs an operation on inputs as a box lists them, keeping the wait texts it shows and the box
// that tells its outcome.
struct Performed {
  Performed(Operation operation, const std::string& input, const std::string& output) {
    OperationRequest request;
    for (const std::string_view line : SplitAtCrLf(input))
      request.Inputs.emplace_back(line);
    request.Output = output;
    outcome = OutcomeMessage(operation, RunOperation(operation, request, [&](Step step) {
                               waits.emplace_back(WaitText(operation, step));
                             }));
  }
  Message outcome;
  Texts waits;
};

TEST(SortAndMerge, WriteTheOutputShowingTheirWaitTextsAndKeepItOnFailure) {
  const Texts sortWaits{"Please Wait. Reading input file...", "Please Wait. Sorting input file...",
                        "Please Wait. Writing output file..."};
  const Texts mergeWaits{"Please Wait. Reading input file(s)...",
                         "Please Wait. Sorting input file(s)...",
                         "Please Wait. Writing output file..."};
  const std::string flightPlans = "AC#2,b\r\nAC#1,a\r\nAC#2,b";
  const std::string airports = "KXYZ,2\r\nABCD,1\r\nKXYZ,3";
  using enum Operation;
  for (const Operation routine : {SortFlightPlans, MergeFlightPlans, SortAirports, MergeAirports,
                                  SortAircraft, MergeAircraft}) {
    SCOPED_TRACE(static_cast<int>(routine));
    const bool merge =
        routine == MergeFlightPlans || routine == MergeAirports || routine == MergeAircraft;
    const bool isAirports = routine == SortAirports || routine == MergeAirports;
    TempFolder folder;
    const std::string input = folder.Write("in.txt", isAirports ? airports : flightPlans);
    // Surrounding spaces are not part of either name.
    const std::string output = folder.Name("out.txt");
    const Performed run(routine, "  " + input + " ", " " + output + "  ");
    EXPECT_EQ(run.outcome.Icon, MessageIcon::Information) << run.outcome.Text;
    EXPECT_EQ(run.waits, merge ? mergeWaits : sortWaits);
    EXPECT_EQ(ReadBytes(folder.Name("out.txt")),
              isAirports ? "ABCD,1\r\nKXYZ,2\r\n" : "AC#1,a\r\nAC#2,b\r\n");

    const Performed failed(routine, folder.Name("missing.txt"), folder.Name("out.txt"));
    EXPECT_EQ(failed.outcome.Icon, MessageIcon::Critical);
    EXPECT_EQ(failed.waits, Texts{(merge ? mergeWaits : sortWaits).front()});
    EXPECT_EQ(ReadBytes(folder.Name("out.txt")),
              isAirports ? "ABCD,1\r\nKXYZ,2\r\n" : "AC#1,a\r\nAC#2,b\r\n");
  }
}

TEST(MergeFlightPlans, AnUnreadableNumberInAnyInputLeavesTheOutputUntouched) {
  TempFolder folder;
  const std::string output = folder.Write("out.txt", "earlier\r\n");
  const std::string bad = folder.Write("b.txt", "AC#1,a\r\nAC#x,b\r\n");
  // Files are taken in turn: the bad line is named, not the missing file after it.
  const Performed run(
      Operation::MergeFlightPlans,
      folder.Write("a.txt", "AC#3,c") + "\r\n" + bad + "\r\n" + folder.Name("missing.txt"), output);
  EXPECT_EQ(run.outcome, (Message{MessageIcon::Critical, "Error",
                                  "Error during merge.\r\nline 2 of \"" + bad +
                                      "\": \"AC#x\" has no aircraft number"}));
  EXPECT_EQ(ReadBytes(output), "earlier\r\n");
  EXPECT_EQ(folder.Entries(), (Texts{"a.txt", "b.txt", "out.txt"}));
}

TEST(SortAirports, AnOutputNamingAFolderFailsAndLeavesTheFolderEmpty) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "out");
  const std::string output = folder.Name("out") + "/";
  const Performed run(Operation::SortAirports, folder.Write("ap.txt", "ABCD,1"), output);
  const std::string failed = "Error during sort.\r\ncannot replace \"" + output + "\": ";
  EXPECT_EQ(run.outcome.Text.substr(0, failed.size()), failed);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "out"));
}

}  // namespace
}  // namespace fw
