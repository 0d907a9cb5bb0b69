// Files no traffic tool would write: each gives the file rules' result or a clear error, never a
// crash, and every byte of a kept line reaches the output unchanged.
#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"
#include "records/Messages.h"
#include "records/Operations.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

using namespace std::string_literals;
using test::ReadBytes;
using test::TempFolder;

void NoWait(Step) {}

// Runs the operation on the bytes; the message and the output's bytes, or "(no output)".
std::pair<Message, std::string> RunOn(std::string_view input, Operation operation,
                                      const TempFolder& folder = TempFolder()) {
  const std::string in = folder.Write("in.txt", input);
  OperationRequest request;
  request.Inputs = {in};
  request.Output = folder.Name("out.txt");
  const Message outcome = OutcomeMessage(operation, RunOperation(operation, request, NoWait));
  const bool written = std::filesystem::exists(folder.Path() / "out.txt");
  return {outcome, written ? ReadBytes(folder.Path() / "out.txt") : "(no output)"};
}

TEST(HostileRecordFiles, AreSortedByTheFileRulesWithEveryByteKept) {
  std::string high;
  for (int byte = 0x80; byte <= 0xFF; ++byte)
    high += static_cast<char>(byte);
  const std::string nul = "AC#1,a\0b,\0"s;
  high = "AC#2," + high;
  const std::string badUtf8 = "AC#3,\xC3\x28,\xED\xA0\x80,\xF8\x88\x80\x80\x80,\xFF\xFE";
  const std::string longLine = "AC#9," + std::string(6 << 20, 'x') + "\xE9";
  const std::string otherLong = longLine.substr(0, longLine.size() - 1) + "\xEA";
  const Operation fp = Operation::SortFlightPlans, ap = Operation::SortAirports;
  const struct {
    Operation Sort;
    std::string Input, Output;
  } rows[] = {
      {fp, badUtf8 + "\r\n" + high + "\r\n" + nul, nul + "\r\n" + high + "\r\n" + badUtf8 + "\r\n"},
      {fp, longLine + "\r\nAC#1,short", "AC#1,short\r\n" + longLine + "\r\n"},
      // Long lines differing only in their last byte are both kept; equal ones once.
      {fp, longLine + "\r\n" + otherLong + "\r\n" + longLine,
       longLine + "\r\n" + otherLong + "\r\n"},
      {fp, "", ""},
      {fp, "\r\n\r\n\n\r\r\n", ""},
      {ap, "\r\n", ""},
      {ap, "\n\n\n", ""},
      {fp, "AC#2,b", "AC#2,b\r\n"},
      {fp, "AC#2,b\r\nAC#1,a\r", "AC#1,a\r\nAC#2,b\r\n"},
      {fp, "AC#1,a\r\nAC#-0,x\r\nAC#-1,m\r\nAC#0,y", "AC#-1,m\r\nAC#-0,x\r\nAC#0,y\r\nAC#1,a\r\n"},
      // Only spaces are trimmed: " \t " is the ID "\t", before "\t\t"; blank IDs are dropped,
      // and of the two "\t\t" lines the quick pass leaves the later one first.
      {ap, "KXYZ,1\r\n\t\t,tabs\r\n \t ,tab\r\n,none\r\n   ,spaces\r\n\t\t,again",
       " \t ,tab\r\n\t\t,again\r\nKXYZ,1\r\n"},
      // 0x80 is the euro sign (U+20AC), after 0xFF; NUL sorts first; "A\0" follows "A".
      {ap, "\x80,euro\r\n\xFF,y\r\nA\0,nul\r\nA,a\r\n\x81,unused"s,
       "A,a\r\nA\0,nul\r\n\x81,unused\r\n\xFF,y\r\n\x80,euro\r\n"s},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Input.substr(0, 40));
    const auto [outcome, output] = RunOn(row.Input, row.Sort);
    EXPECT_EQ(outcome.Text, row.Sort == ap ? "Airports successfully sorted!"
                                           : "Flight plans successfully sorted!");
    EXPECT_EQ(output, row.Output);
  }
}

TEST(HostileRecordFiles, NumbersThatAreNoNumbersStopWithTheLineNamedAndNoOutput) {
  const std::string digits(400, '7');
  // The field is shown cut after 60 characters, so that the box stays readable; an empty
  // description checks only that the sort stopped.
  const struct {
    std::string Input, Description;
  } rows[] = {{"AC#1,a\r\nAC#" + digits + ",b",
               "line 2 of \"%\": \"AC#" + digits.substr(0, 57) + "...\" has no aircraft number"},
              {"AC#+,x", "line 1 of \"%\": \"AC#+\" has no aircraft number"},
              {"AC#-,x", ""},
              {"AC#2147483648,x", ""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Input.substr(0, 40));
    const TempFolder folder;
    const auto [outcome, output] = RunOn(row.Input, Operation::SortFlightPlans, folder);
    EXPECT_EQ(outcome.Icon, MessageIcon::Critical);
    std::string description = row.Description;
    if (const auto at = description.find('%'); at != std::string::npos) {
      EXPECT_EQ(outcome.Text,
                "Error during sort.\r\n" + description.replace(at, 1, folder.Name("in.txt")));
    }
    EXPECT_EQ(output, "(no output)");
  }
}

TEST(HostileRecordFiles, MinusZeroIsNumberZeroForTheNumberChange) {
  TempFolder folder;
  const std::string file = folder.Write("fp.txt", "AC#-0,x\r\nAC#1,a\r\n");
  OperationRequest request;
  request.Inputs = {file};
  request.From = 0;
  request.To = 5;
  request.Backup = false;
  const Result<Completed> changed = ChangeACNumbers(request, NoWait);
  ASSERT_TRUE(changed);
  EXPECT_EQ(changed.value().Changed, 1);
  EXPECT_EQ(ReadBytes(file), "AC#1,a\r\nAC#5,x\r\n");
}

TEST(HostileWorldAIList, ConvertsOrStopsBeforeAnythingIsWritten) {
  const Message converted_box{MessageIcon::Information, "Success",
                              "AC.txt File Successfully Created!"};
  const std::string lead = "A\0\xFF\xC3("s + std::string(3 << 20, 'w') + " ";
  const std::string error;
  const struct {
    std::string Aircraft, Airlines, List, Outcome, Converted;
  } rows[] = {
      {"AB1,Alpha One\r\n", "QQQ,Quebec Air\r\nRRR\r\n\r\n", "x ai QQQ AB1\"",
       error + "\"Airline Codes.txt\": the last entry has no name", "old"},
      // Five characters after the marker give the empty airline code, which a table may name.
      {"AB1,Alpha One\r\n", ",Nobody\r\n", "x ai  AB1\"\r\nai \t\t\t\t\t", converted_box.Text,
       "x ai Alpha One Nobody\"\r\nai \t\t\t Nobody\"\r\n"},
      {"AB1,Alpha One\r\n", "QQQ,Quebec Air\r\n", lead + "AI QQQ AB1\"", converted_box.Text,
       lead + "ai Alpha One Quebec Air\"\r\n"},
      {"", "", "", converted_box.Text, ""},
      {"", "", "\r\n", error + "line 1 of \"AddToAircraft.txt\": the line is blank", "old"},
      {"", "", "a\0i QQQ AB1\""s, error + "line 1 of \"AddToAircraft.txt\": no \"ai \" marker",
       "old"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Outcome);
    const TempFolder folder;
    folder.Write("AC.txt", "old");
    folder.Write("Aircraft Codes.txt", row.Aircraft);
    folder.Write("Airline Codes.txt", row.Airlines);
    folder.Write("AddToAircraft.txt", row.List);
    const Result<void> converted =
        ConvertWorldAIAircraftList(WithTrailingSeparator(folder.Path().string()));
    const Message outcome =
        converted ? converted_box
                  : Message{MessageIcon::Exclamation, "Error", converted.error().Message};
    EXPECT_EQ(outcome.Icon, row.Converted == "old" ? MessageIcon::Exclamation : converted_box.Icon);
    EXPECT_EQ(outcome.Text, row.Outcome);
    EXPECT_EQ(ReadBytes(folder.Path() / "AC.txt"), row.Converted);
  }
}

}  // namespace
}  // namespace fw
