// Files no traffic tool would write: each gives the file rules' result or a clear error, never a
// crash, and every byte of a kept line reaches the output unchanged.
#include <gtest/gtest.h>

#include <string>

#include "records/Operations.h"
#include "shell/Paths.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

using namespace std::string_literals;
using test::ReadBytes;
using test::TempFolder;

const Message kSorted{MessageIcon::Information, "Sort Success",
                      "Flight plans successfully sorted!"};
const Message kAirportsSorted{MessageIcon::Information, "Sort Success",
                              "Airports successfully sorted!"};
const Message kConverted{MessageIcon::Information, "Success", "AC.txt File Successfully Created!"};

void NoWait(std::string_view) {}

using Operation = Message (*)(const OperationTexts&, const WaitMessage&, FileSystem&);

// Sorts the bytes as a flight-plan file; the message and the output file's bytes.
struct SortedFile {
  SortedFile(std::string_view input, Operation operation = SortFlightPlans) {
    const std::string in = folder.Write("in.txt", input);
    outcome = operation(OperationTexts{in, folder.Name("out.txt"), {}, {}, false}, NoWait,
                        NativeFileSystem());
    if (std::filesystem::exists(folder.Path() / "out.txt"))
      output = ReadBytes(folder.Path() / "out.txt");
    else
      output = "(no output)";
  }
  TempFolder folder;
  Message outcome;
  std::string output;
};

std::string HighBytes() {
  std::string bytes;
  for (int byte = 0x80; byte <= 0xFF; ++byte)
    bytes += static_cast<char>(byte);
  return bytes;
}

TEST(HostileRecordFiles, StrangeBytesInsideLinesAreCarriedUnchanged) {
  const std::string nul = "AC#1,a\0b,\0"s;
  const std::string high = "AC#2," + HighBytes();
  const std::string invalidUtf8 = "AC#3,\xC3\x28,\xED\xA0\x80,\xF8\x88\x80\x80\x80,\xFF\xFE";
  const SortedFile sorted(invalidUtf8 + "\r\n" + high + "\r\n" + nul);
  EXPECT_EQ(sorted.outcome, kSorted);
  EXPECT_EQ(sorted.output, nul + "\r\n" + high + "\r\n" + invalidUtf8 + "\r\n");
}

TEST(HostileRecordFiles, LinesOfSeveralMegabytesAreCarriedWhole) {
  const std::string longLine = "AC#9," + std::string(6 << 20, 'x') + "\xE9";
  const SortedFile sorted(longLine + "\r\nAC#1,short");
  EXPECT_EQ(sorted.outcome, kSorted);
  EXPECT_EQ(sorted.output, "AC#1,short\r\n" + longLine + "\r\n");

  // Two long lines that differ only in their last byte are both kept; equal ones once.
  const std::string otherLine = longLine.substr(0, longLine.size() - 1) + "\xEA";
  const SortedFile twice(longLine + "\r\n" + otherLine + "\r\n" + longLine);
  EXPECT_EQ(twice.output, longLine + "\r\n" + otherLine + "\r\n");
}

TEST(HostileRecordFiles, FilesWithoutEntriesGiveAnEmptyOutput) {
  for (const std::string input : {"", "\r\n", "\r\n\r\n\n\r\r\n", "\n\n\n"}) {
    const SortedFile sorted(input);
    EXPECT_EQ(sorted.outcome, kSorted);
    EXPECT_EQ(sorted.output, "");
    const SortedFile airports(input, SortAirports);
    EXPECT_EQ(airports.outcome, kAirportsSorted);
    EXPECT_EQ(airports.output, "");
  }
}

TEST(HostileRecordFiles, ALastLineWithoutLineEndIsKeptAndEnded) {
  EXPECT_EQ(SortedFile("AC#2,b").output, "AC#2,b\r\n");
  EXPECT_EQ(SortedFile("AC#2,b\r\nAC#1,a\r").output, "AC#1,a\r\nAC#2,b\r\n");
}

TEST(HostileRecordFiles, NumbersThatAreNoNumbersStopWithTheLineNamedAndNoOutput) {
  const std::string digits(400, '7');
  const SortedFile huge("AC#1,a\r\nAC#" + digits + ",b");
  EXPECT_EQ(huge.outcome.Icon, MessageIcon::Critical);
  // The field is shown cut after 60 characters, so that the box stays readable.
  EXPECT_EQ(huge.outcome.Text, "Error during sort.\r\nline 2 of \"" + huge.folder.Name("in.txt") +
                                   "\": \"AC#" + digits.substr(0, 57) +
                                   "...\" has no aircraft number");
  EXPECT_EQ(huge.output, "(no output)");

  const SortedFile signOnly("AC#+,x");
  EXPECT_EQ(signOnly.outcome.Text, "Error during sort.\r\nline 1 of \"" +
                                       signOnly.folder.Name("in.txt") +
                                       "\": \"AC#+\" has no aircraft number");
  EXPECT_EQ(SortedFile("AC#-,x").outcome.Icon, MessageIcon::Critical);
  EXPECT_EQ(SortedFile("AC#2147483648,x").outcome.Icon, MessageIcon::Critical);
}

TEST(HostileRecordFiles, MinusZeroIsNumberZero) {
  EXPECT_EQ(SortedFile("AC#1,a\r\nAC#-0,x\r\nAC#-1,m\r\nAC#0,y").output,
            "AC#-1,m\r\nAC#-0,x\r\nAC#0,y\r\nAC#1,a\r\n");

  TempFolder folder;
  const std::string file = folder.Write("fp.txt", "AC#-0,x\r\nAC#1,a\r\n");
  const Message changed =
      ChangeACNumbers(OperationTexts{file, {}, "0", "5", false}, NoWait, NativeFileSystem());
  EXPECT_EQ(changed.Text, "1 aircraft numbers successfully changed!");
  EXPECT_EQ(ReadBytes(file), "AC#1,a\r\nAC#5,x\r\n");
}

TEST(HostileRecordFiles, AirportIdsOfTabsAreIdsButBlankOnesAreDropped) {
  // Only spaces are trimmed: " \t " is the ID "\t", which sorts before "\t\t".
  const SortedFile sorted("KXYZ,1\r\n\t\t,tabs\r\n \t ,tab\r\n,none\r\n   ,spaces\r\n\t\t,again",
                          SortAirports);
  EXPECT_EQ(sorted.outcome, kAirportsSorted);
  // Of the two "\t\t" lines the quick pass leaves the later one first, so it is kept.
  EXPECT_EQ(sorted.output, " \t ,tab\r\n\t\t,again\r\nKXYZ,1\r\n");
}

TEST(HostileRecordFiles, AirportIdsWithNulAndHighBytesFollowTheCodePageOrder) {
  // 0x80 is the euro sign (U+20AC), after 0xFF (U+00FF); NUL sorts first; "A\0" follows "A".
  const std::string input = "\x80,euro\r\n\xFF,y\r\nA\0,nul\r\nA,a\r\n\x81,unused"s;
  const std::string expected = "A,a\r\nA\0,nul\r\n\x81,unused\r\n\xFF,y\r\n\x80,euro\r\n"s;
  EXPECT_EQ(SortedFile(input, SortAirports).output, expected);
}

class HostileWorldAIList : public ::testing::Test {
 protected:
  std::string Folder() const { return WithTrailingSeparator(m_folder.Path().string()); }
  std::string Converted() const { return ReadBytes(m_folder.Path() / "AC.txt"); }
  Message Convert(std::string_view aircraft, std::string_view airlines, std::string_view list) {
    m_folder.Write("Aircraft Codes.txt", aircraft);
    m_folder.Write("Airline Codes.txt", airlines);
    m_folder.Write("AddToAircraft.txt", list);
    return ConvertWorldAIAircraftList(Folder());
  }

  TempFolder m_folder;
};

TEST_F(HostileWorldAIList, ACodeTableWhoseLastEntryHasNoNameStopsBeforeAnythingIsWritten) {
  m_folder.Write("AC.txt", "old");
  const Message outcome =
      Convert("AB1,Alpha One\r\n", "QQQ,Quebec Air\r\nRRR\r\n\r\n", "x ai QQQ AB1\"");
  EXPECT_EQ(outcome, (Message{MessageIcon::Exclamation, "Error",
                              "Error in frmMain:cmdChangeWorldAIAircraft_Click(): "
                              "\"Airline Codes.txt\": the last entry has no name"}));
  EXPECT_EQ(Converted(), "old");
}

TEST_F(HostileWorldAIList, FiveCharactersAfterTheMarkerGiveAnEmptyAirlineCode) {
  // An airline table entry with an empty code names the empty airline code.
  EXPECT_EQ(Convert("AB1,Alpha One\r\n", ",Nobody\r\n", "x ai  AB1\"\r\nai \t\t\t\t\t"),
            kConverted);
  EXPECT_EQ(Converted(), "x ai Alpha One Nobody\"\r\nai \t\t\t Nobody\"\r\n");
}

TEST_F(HostileWorldAIList, StrangeBytesInTheLeadAreCarriedAndLongLinesConverted) {
  const std::string lead = "A\0\xFF\xC3("s + std::string(3 << 20, 'w') + " ";
  EXPECT_EQ(Convert("AB1,Alpha One\r\n", "QQQ,Quebec Air\r\n", lead + "AI QQQ AB1\""), kConverted);
  EXPECT_EQ(Converted(), lead + "ai Alpha One Quebec Air\"\r\n");
}

TEST_F(HostileWorldAIList, ListsWithoutLinesGiveAnEmptyResultAndBlankLinesAnError) {
  EXPECT_EQ(Convert("", "", ""), kConverted);
  EXPECT_EQ(Converted(), "");
  EXPECT_EQ(Convert("", "", "\r\n").Text,
            "Error in frmMain:cmdChangeWorldAIAircraft_Click(): "
            "line 1 of \"AddToAircraft.txt\": the line is blank");
  EXPECT_EQ(Convert("", "", "a\0i QQQ AB1\""s).Text,
            "Error in frmMain:cmdChangeWorldAIAircraft_Click(): "
            "line 1 of \"AddToAircraft.txt\": no \"ai \" marker");
}

}  // namespace
}  // namespace fw
