#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Paths.h"
#include "records/Texts.h"
#include "records/Validation.h"
#include "support/TempFolder.h"

namespace fw {

void PrintTo(const Invalid& invalid, std::ostream* out) {
  *out << static_cast<int>(invalid.What) << " \"" << invalid.Name << '"';
}

namespace {

using Reason = Invalid::Reason;

TEST(ValidateFiles, WarnsAboutTheFirstProblemOfTheBoxes) {
  struct Case {
    Operation Code;
    const char* Input;  // the box's text
    const char* Output;
    std::optional<Reason> Problem;
    const char* Name;
  };
  const Case cases[] = {
      {Operation::MergeFlightPlans, "", "@out.txt", Reason::NoInputFile, ""},
      {Operation::SortAirports, "    ", "@out.txt", Reason::NoInputFile, ""},
      {Operation::ChangeACNumbers, " ", "", Reason::NoInputFile, ""},
      {Operation::MergeAircraft, "@a.txt\r\n  @b.txt  \r\n@c.txt", "@out.txt",
       Reason::MissingInputFile, "@b.txt"},
      {Operation::ChangeACNumbers, "\r\n@b.txt", "", Reason::MissingInputFile, "@b.txt"},
      {Operation::MergeFlightPlans, "\r\n  @a.txt   \r\n   \r\n", "@out.txt", {}, ""},
      {Operation::MergeFlightPlans, "\r\n\r\n", "@out.txt", {}, ""},  // line breaks are not blank
      {Operation::SortFlightPlans, "@a.txt", "   ", Reason::NoOutputFile, ""},
      {Operation::SortFlightPlans, "@a.txt", "fp.txt", Reason::MissingOutputFolder, ""},
      {Operation::SortFlightPlans, "@a.txt", "@missing/out.txt", Reason::MissingOutputFolder,
       "@missing"},
      {Operation::SortFlightPlans, "@a.txt\r\n@b.txt", "@out.txt", Reason::MissingInputFile,
       "@b.txt"},
      {Operation::SortFlightPlans, "@a.txt", "  @out.txt ", {}, ""},
      {Operation::SortFlightPlans, "@a.txt", "@", {}, ""},  // the writer reports a folder name
      {Operation::SortFlightPlans, "@a.txt", "/out.txt", {}, ""},  // the root is a folder
      {Operation::ChangeACNumbers, "@a.txt", "", {}, ""},
      {Operation::ChangeACNumbers, "@a.txt", "fp.txt", {}, ""},
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
    // A sort's box is its one input; a merge's lines are its inputs.
    const std::string box = expand(c.Input);
    std::vector<std::string> inputs;
    for (const std::string_view line : SplitAtCrLf(box))
      inputs.emplace_back(line);
    if (c.Code == Operation::SortFlightPlans || inputs.empty())
      inputs = {box};
    const auto expected =
        c.Problem ? std::optional<Invalid>(Invalid{*c.Problem, expand(c.Name)}) : std::nullopt;
    EXPECT_EQ(ValidateFiles(c.Code, inputs, expand(c.Output)), expected);
  }
}

TEST(ValidateACNumbers, AsksForBothNumbersInTurnAndTakesOnlyDigitsThatFit32Bits) {
  const std::tuple<const char*, const char*, std::optional<Reason>> cases[] = {
      {"", "", Reason::NoFromNumber},
      {"  ", "12", Reason::NoFromNumber},
      {"12", " ", Reason::NoToNumber},
      {"x", "", Reason::NoToNumber},
      {"12", "012", {}},
      {"0", "0", {}},
      {"2147483647", "0002147483647", {}}};
  for (const auto& [from, to, problem] : cases) {
    EXPECT_EQ(ValidateACNumbers(from, to),
              problem ? std::optional<Invalid>(Invalid{*problem, {}}) : std::nullopt)
        << from << " " << to;
  }
  for (const char* bad : {" 12", "12 ", "12a", "-5", "+5", "1.0", "2147483648", "99999999999"}) {
    EXPECT_EQ(ValidateACNumbers(bad, "7"), (Invalid{Reason::BadNumber, {}})) << bad;
    EXPECT_EQ(ValidateACNumbers("7", bad), (Invalid{Reason::BadNumber, {}})) << bad;
  }
}

}  // namespace
}  // namespace fw
