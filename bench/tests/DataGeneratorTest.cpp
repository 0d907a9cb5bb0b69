#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "bench/DataGenerator.h"

namespace fw::bench {
namespace {

std::vector<std::string> Lines(GeneratorSettings settings) {
  std::vector<std::string> lines;
  GenerateLines(settings, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::vector<std::string> Lines(FileKind kind, std::uint64_t count, LineMix mix = LineMix::Mixed) {
  return Lines({.Kind = kind, .Lines = count, .Mix = mix});
}

TEST(DataGenerator, TheSameSettingsGiveTheSameFileAndAnotherSeedAnotherOne) {
  GeneratorSettings settings{.Lines = 2000};
  const std::string first = GenerateFile(settings);
  EXPECT_EQ(GenerateFile(settings), first);
  settings.Seed = 2;
  EXPECT_NE(GenerateFile(settings), first);
  EXPECT_EQ(ParseFileKind("airports"), FileKind::Airports);
  EXPECT_EQ(ParseFileKind("airport"), std::nullopt);
}

TEST(DataGenerator, AGroupedFileHoldsThePlainFilesEntriesUnderAHeaderAndTitles) {
  const std::vector<std::string> grouped = Lines({.Lines = 25, .GroupSize = 10});
  // Three header lines, then a blank line and a title before entries 0, 10 and 20.
  ASSERT_EQ(grouped.size(), 3u + 25 + 3 * 2);
  EXPECT_TRUE(grouped[0].starts_with("//FSXDAYS=") && grouped[2].starts_with("//"));
  std::vector<std::string> entries;
  for (std::size_t k = 3; k < grouped.size(); k += 12) {
    EXPECT_EQ(grouped[k] + "|" + grouped[k + 1], "|//Group " + std::to_string(k / 12 + 1));
    const auto first = grouped.begin() + static_cast<std::ptrdiff_t>(k + 2);
    entries.insert(entries.end(), first,
                   first + std::min<std::ptrdiff_t>(10, grouped.end() - first));
  }
  EXPECT_EQ(entries, Lines(FileKind::FlightPlans, 25));
}

TEST(DataGenerator, EachKindOfLineHasItsFields) {
  // A flight plan has two to seven legs, each ending at an airport.
  const std::string leg = R"(,\d/\d\d:\d\d:00,@\d/\d\d:\d\d:00,\d+,[FR],\d+,[A-Z]{4})";
  const std::pair<FileKind, std::string> kinds[] = {
      {FileKind::FlightPlans,
       R"(AC#\d+,N\d{3}[A-Z]{2},\d+%,(WEEK|DAY|24Hr),[IV]FR()" + leg + "){2,7}"},
      {FileKind::Aircraft, R"(AC#\d+,\d+,"AI [^"]+")"},
      {FileKind::Airports, R"([A-Z]{4},[NS]\d+\* \d\d\.\d\d',[EW]\d+\* \d\d\.\d\d',-?\d+)"}};
  for (const auto& [kind, pattern] : kinds) {
    const std::regex line(pattern);
    std::set<std::size_t> lengths;
    for (const std::string& text : Lines(kind, 1000)) {
      ASSERT_TRUE(std::regex_match(text, line)) << text;
      lengths.insert(std::count(text.begin(), text.end(), ','));
    }
    EXPECT_EQ(lengths.size(), kind == FileKind::FlightPlans ? 6u : 1u) << "every number of legs";
  }
}

TEST(DataGenerator, EachMixHoldsItsSharesOfDuplicateLinesAndRepeatedKeys) {
  // Share of distinct lines among all, share of distinct keys among distinct lines.
  auto shares = [](const std::vector<std::string>& lines) {
    const std::set<std::string> distinct(lines.begin(), lines.end());
    std::set<std::string> keys;
    for (const std::string& line : distinct)
      keys.insert(line.substr(0, line.find(',')));
    return std::pair{static_cast<double>(distinct.size()) / lines.size(),
                     static_cast<double>(keys.size()) / distinct.size()};
  };
  for (const FileKind kind : {FileKind::FlightPlans, FileKind::Airports})
    EXPECT_EQ(shares(Lines(kind, 20000, LineMix::Distinct)), (std::pair{1.0, 1.0}));
  EXPECT_EQ(shares(Lines(FileKind::FlightPlans, 1000, LineMix::Identical)).first, 1.0 / 1000);
  // 70 % of the lines are new; half of the new ones take an earlier line's key.
  const auto [distinct, keys] =
      shares(Lines({.Lines = 40000, .DuplicateShare = 0.3, .RepeatShare = 0.5}));
  EXPECT_NEAR(distinct, 0.7, 0.02);
  EXPECT_NEAR(keys, 0.5, 0.02);
}

}  // namespace
}  // namespace fw::bench
