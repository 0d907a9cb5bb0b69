#include <gtest/gtest.h>

#include <string>

#include "dialog/Validation.h"
#include "records/OperationCodes.h"
#include "shell/Paths.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

std::optional<Message> Warning(const char* title, const std::string& text) {
  if (title == nullptr)
    return std::nullopt;
  return Message{MessageIcon::Exclamation, title, text};
}

TEST(ValidateFiles, WarnsAboutTheFirstProblemOfTheBoxes) {
  constexpr const char* kInput = "Invalid Input File";
  constexpr const char* kFolder = "Invalid Output File Folder";
  constexpr const char* kMissing =
      "The input file: \"@b.txt\" does not exist.  Please select a valid input file.";
  struct Case {
    std::int32_t Code;
    const char* Input;
    const char* Output;
    const char* Title;  // nullptr: no warning
    const char* Text;
  };
  const Case cases[] = {
      {op::MergeFlightPlans, "", "@out.txt", kInput, "Please select an input file."},
      {op::SortAirports, "    ", "@out.txt", kInput, "Please select an input file."},
      {op::ChangeACNumbers, " ", "", kInput, "Please select an input file."},
      {op::MergeAircraft, "@a.txt\r\n  @b.txt  \r\n@c.txt", "@out.txt", kInput, kMissing},
      {op::ChangeACNumbers, "\r\n@b.txt", "", kInput, kMissing},
      {op::MergeFlightPlans, "\r\n  @a.txt   \r\n   \r\n", "@out.txt", nullptr, ""},
      {op::MergeFlightPlans, "\r\n\r\n", "@out.txt", nullptr, ""},  // line breaks are not blank
      {op::SortFlightPlans, "@a.txt", "   ", "Invalid Output File",
       "Please select an output file."},
      {op::SortFlightPlans, "@a.txt", "fp.txt", kFolder,
       "The output file folder: \"\" does not exist.  Please enter a valid output file folder "
       "location."},
      {op::SortFlightPlans, "@a.txt", "@missing/out.txt", kFolder,
       "The output file folder: \"@missing\" does not exist.  Please enter a valid output file "
       "folder location."},
      {op::SortFlightPlans, "@a.txt", "  @out.txt ", nullptr, ""},
      {op::SortFlightPlans, "@a.txt", "@", nullptr, ""},  // the writer reports a folder name
      {op::ChangeACNumbers, "@a.txt", "", nullptr, ""},
      {op::ChangeACNumbers, "@a.txt", "fp.txt", nullptr, ""},
  };
  test::TempFolder folder;
  folder.Write("a.txt", "");
  // "@" stands for the folder, "/" for the platform's separator.
  const auto expand = [&](const char* text) {
    std::string result;
    for (const char* c = text; *c != '\0'; ++c)
      result += *c == '@' ? folder.Name("") : std::string(1, *c == '/' ? kSeparator : *c);
    return result;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Input) + " -> " + c.Output);
    EXPECT_EQ(ValidateFiles(c.Code, expand(c.Input), expand(c.Output)),
              Warning(c.Title, expand(c.Text)));
  }
}

TEST(ValidateACNumbers, AsksForBothNumbersInTurn) {
  const char* noFrom = "Please enter the aircraft number to be changed.";
  const char* noTo = "Please enter the new aircraft number.";
  const std::pair<const char*, const char*> numbers[] = {
      {"", ""}, {"  ", "12"}, {"12", " "}, {"x", ""}};
  const char* expected[] = {noFrom, noFrom, noTo, noTo};
  for (std::size_t i = 0; i < std::size(numbers); ++i)
    EXPECT_EQ(ValidateACNumbers(numbers[i].first, numbers[i].second),
              Warning("Invalid Aircraft Number", expected[i]))
        << i;
}

TEST(ValidateACNumbers, TakesOnlyDigitsThatFit32Bits) {
  const auto invalid =
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
