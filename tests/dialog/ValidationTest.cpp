#include <gtest/gtest.h>

#include <string>

#include "dialog/Validation.h"
#include "records/OperationCodes.h"
#include "shell/Paths.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::TempFolder;

Message Warning(const char* title, const std::string& text) {
  return Message{MessageIcon::Exclamation, title, text};
}

Message NoInput() {
  return Warning("Invalid Input File", "Please select an input file.");
}

Message MissingInput(const std::string& name) {
  return Warning("Invalid Input File", "The input file: \"" + name +
                                           "\" does not exist.  Please select a valid input file.");
}

Message MissingFolder(const std::string& folder) {
  return Warning("Invalid Output File Folder",
                 "The output file folder: \"" + folder +
                     "\" does not exist.  Please enter a valid output file folder location.");
}

TEST(ValidateFiles, AsksForAnInputWhenTheBoxIsBlank) {
  EXPECT_EQ(ValidateFiles(op::MergeFlightPlans, "", "/tmp/out.txt"), NoInput());
  EXPECT_EQ(ValidateFiles(op::SortAirports, "    ", "/tmp/out.txt"), NoInput());
  EXPECT_EQ(ValidateFiles(op::ChangeACNumbers, " ", ""), NoInput());
}

TEST(ValidateFiles, NamesTheFirstMissingInputTrimmed) {
  TempFolder folder;
  const std::string existing = folder.Write("a.txt", "");
  const std::string missing = folder.Name("b.txt");
  const std::string output = folder.Name("out.txt");
  EXPECT_EQ(ValidateFiles(op::MergeAircraft,
                          existing + "\r\n  " + missing + "  \r\n" + folder.Name("c.txt"), output),
            MissingInput(missing));
  EXPECT_EQ(ValidateFiles(op::ChangeACNumbers, "\r\n" + missing, ""), MissingInput(missing));
}

TEST(ValidateFiles, SkipsBlankLinesAndTrimsNames) {
  TempFolder folder;
  const std::string existing = folder.Write("a.txt", "");
  const std::string output = folder.Name("out.txt");
  EXPECT_EQ(ValidateFiles(op::MergeFlightPlans, "\r\n  " + existing + "   \r\n   \r\n", output),
            std::nullopt);
  // Only line breaks: not blank, and no name to test.
  EXPECT_EQ(ValidateFiles(op::MergeFlightPlans, "\r\n\r\n", output), std::nullopt);
}

TEST(ValidateFiles, WantsAnOutputNameInAnExistingFolder) {
  TempFolder folder;
  const std::string input = folder.Write("a.txt", "");
  EXPECT_EQ(ValidateFiles(op::SortFlightPlans, input, "   "),
            Warning("Invalid Output File", "Please select an output file."));
  EXPECT_EQ(ValidateFiles(op::SortFlightPlans, input, "fp.txt"), MissingFolder(""));
  EXPECT_EQ(
      ValidateFiles(op::SortFlightPlans, input, folder.Name("missing") + kSeparator + "out.txt"),
      MissingFolder(folder.Name("missing")));
  EXPECT_EQ(ValidateFiles(op::SortFlightPlans, input, "  " + folder.Name("out.txt") + " "),
            std::nullopt);
  // A name ending in a separator passes; the writer reports it.
  EXPECT_EQ(ValidateFiles(op::SortFlightPlans, input, folder.Path().string() + kSeparator),
            std::nullopt);
}

TEST(ValidateFiles, IgnoresTheOutputOfTheNumberChange) {
  TempFolder folder;
  const std::string input = folder.Write("a.txt", "");
  EXPECT_EQ(ValidateFiles(op::ChangeACNumbers, input, ""), std::nullopt);
  EXPECT_EQ(ValidateFiles(op::ChangeACNumbers, input, "fp.txt"), std::nullopt);
}

TEST(ValidateACNumbers, AsksForBothNumbersInTurn) {
  const Message noFrom =
      Warning("Invalid Aircraft Number", "Please enter the aircraft number to be changed.");
  EXPECT_EQ(ValidateACNumbers("", ""), noFrom);
  EXPECT_EQ(ValidateACNumbers("  ", "12"), noFrom);
  EXPECT_EQ(ValidateACNumbers("12", " "),
            Warning("Invalid Aircraft Number", "Please enter the new aircraft number."));
  EXPECT_EQ(ValidateACNumbers("x", ""),
            Warning("Invalid Aircraft Number", "Please enter the new aircraft number."));
}

TEST(ValidateACNumbers, TakesOnlyDigitsThatFit32Bits) {
  const Message invalid =
      Warning("Invalid Aircraft Number", "Please enter a valid aircraft number to be changed.");
  for (const char* bad : {" 12", "12 ", "12a", "-5", "+5", "1.0", "2147483648", "99999999999"}) {
    EXPECT_EQ(ValidateACNumbers(bad, "7"), invalid) << '"' << bad << '"';
    EXPECT_EQ(ValidateACNumbers("7", bad), invalid) << '"' << bad << '"';
  }
  EXPECT_EQ(ValidateACNumbers("12", "012"), std::nullopt);
  EXPECT_EQ(ValidateACNumbers("0", "0"), std::nullopt);
  EXPECT_EQ(ValidateACNumbers("2147483647", "0002147483647"), std::nullopt);
}

}  // namespace
}  // namespace fw
